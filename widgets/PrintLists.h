// The lists the program's dialogs are built from alike: a drop-down list
// that screen readers know by its label, one with a text field that can be
// left with nothing chosen, its kind that holds sizes, and a font list
// filled when first needed.
#pragma once

#include <QComboBox>
#include <QRect>
#include <QString>

// What a list with nothing chosen shows in its text field.
extern const QString ChooseFromList;

// A drop-down list that screen readers name by its accessible name (its
// label's text) and not, as the toolkit does on this system, by the row it
// shows; the row is its value.
class NamedList : public QComboBox {
    Q_OBJECT
public:
    explicit NamedList(QWidget* parent);
};

// A drop-down list with an editable text field: the user picks a row or
// types. Typing leaves the list with no chosen row; the typed text waits
// for the dialog to check it.
class ChoiceList : public NamedList {
public:
    ChoiceList(QWidget* parent, const char* name, QRect r);
    // No row chosen, and ChooseFromList in the text field.
    void ChooseNone();
};

// The sizes hi down to 1, written "hi" … "01".
class SizeList final : public ChoiceList {
public:
    SizeList(QWidget* parent, const char* name, QRect r, int hi);
    int Highest() const { return m_hi; }
    // The chosen size; 0 when no row is chosen.
    int Value() const;
    // Chooses the row of size v; a size outside 1..Highest() chooses none.
    void SetValue(int v);

private:
    int m_hi;
};

// The installed faces. Walking them costs more than the rest of a dialog,
// so the list is filled when first shown or read: until then the name set
// is kept as it is.
class FontList final : public NamedList {
public:
    enum class Symbols { Listed, LeftOut };
    FontList(QWidget* parent, const char* name, QRect r, Symbols symbols);
    // The chosen face: until the list is filled, the name set; then empty
    // when the list lacks it, or none was set.
    QString Name() const;
    // Chooses the face without regard to case; an unknown name chooses none.
    void SetName(const QString& name);
    void Fill();
    bool Filled() const { return m_filled; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    Symbols m_symbols;
    bool m_filled = false;
    QString m_pending;
};

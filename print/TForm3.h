// The data report dialog: the elements to report, the font and its size;
// prints the report and opens the printer setup.
#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class TPrzycisk;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Rows of the size list, "25" down to "01".
    static constexpr int SizeRowCount = 25;

    QLabel* Label1;
    QListWidget* RxCheckListBox1;
    TPrzycisk* Przycisk1;
    TPrzycisk* Przycisk2;
    TPrzycisk* Przycisk3;
    TPrzycisk* Przycisk4;
    TPrzycisk* Przycisk5;
    TPrzycisk* Przycisk6;
    QLabel* Label2;
    QComboBox* FontComboBox1;
    QLabel* Label3;
    QComboBox* f1;
    QLabel* Label4;
    QLabel* probka;

    // The report font. The font list is filled when the dialog is first
    // shown or a print needs it; until then the name given here is kept and
    // selected (without regard to case) once the list is filled. A name the
    // list lacks, or an empty one, leaves no row selected.
    QString FontName() const;
    void SetFontName(const QString& name);
    bool FontListFilled() const { return m_fontsFilled; }

    // Ticks or unticks every row.
    void wszystkie(bool ticked);
    bool AnyChecked() const;
    // The atomic numbers of the ticked rows, ascending.
    std::vector<int> CheckedElements() const;

    // Shows the dialog without blocking the other windows, with only
    // element z ticked and its row selected and in view.
    void ShowFor(int z);

    void FormCreate();
    void FormShow();
    void Przycisk1Click();
    void Przycisk2Click();
    void Przycisk3Click();
    void Przycisk4Click();
    void Przycisk5Click();
    void Przycisk6Click();
    void FontComboBox1Change();
    // Esc closes the dialog; true when the key was used.
    bool RxCheckListBox1KeyPress(int key);
    void FormClose();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void EnsureFontList();

    QString m_pendingFont;
    bool m_fontsFilled = false;
    bool m_printing = false;
};

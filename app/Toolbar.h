// The parts of the main window's chrome: the flat toolbar buttons, the
// banner and the clock.
#pragma once

#include "widgets/Colors.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>

class TTlo;

// A flat button of the toolbar. A caption turns blue while the pointer is
// over it; a picture button shows its pointed-at picture instead. A button
// with a hint gives it for the status line when the pointer comes in and
// takes it back when the pointer leaves. Tab reaches it (a click does not
// take the focus); Space and Enter press it; with the focus it looks pointed
// at and shows the program's dotted focus outline.
class ToolbarButton : public QToolButton {
    Q_OBJECT
public:
    ToolbarButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry, const QFont& font,
                  const QString& hint = QString());

    // The picture and its pointed-at form, for a button without a caption.
    void SetPictures(const QIcon& normal, const QIcon& hot);
    // The caption in the narrow face at 7 points, squeezed further where it
    // would not fit between margins of that many pixels.
    void NarrowCaption(int margin);

signals:
    void hinted(const QString& hint);
    void hintTakenBack();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowPointed(bool pointed);
    // The caption's colour or the picture: lit while pointed at or focused.
    void ShowLit();

    QString m_hint;
    QIcon m_normal, m_hot;
    bool m_pointed = false;
};

// The banner: a click on it opens the information and settings, and the
// pointer over it explains so.
class Banner : public QLabel {
    Q_OBJECT
public:
    explicit Banner(QWidget* parent);

signals:
    void pointerMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The clock label and the thread that gives it the time at each new second.
class Clock : public QLabel {
    Q_OBJECT
public:
    explicit Clock(QWidget* parent);
    // Stops the thread and waits for it, which cuts its sleep short.
    ~Clock() override;

    // Starts the thread; it is the clock's until the end.
    TTlo* Start();

private:
    TTlo* m_thread = nullptr;
};

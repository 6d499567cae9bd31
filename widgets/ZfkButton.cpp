#include "widgets/ZfkButton.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

TZfkButton97* CurrentButton = nullptr;

TZfkButton97::TZfkButton97(QWidget* parent)
    : TZfkButtonFace(parent, QStringLiteral("TZfkButton97 - przycisk pierwiastka programu Zefirak"))
{}

TZfkButton97::~TZfkButton97()
{
    if (CurrentButton == this)
        CurrentButton = nullptr;
}

void TZfkButton97::Click()
{
    SetLatched(true);
    if (CurrentButton && CurrentButton != this)
        CurrentButton->SetSelected(false);
    CurrentButton = this;
    m_rightClickPending = false;
    Redraw();
    if (OnClick)
        OnClick(this);
}

void TZfkButton97::SetSelected(bool selected)
{
    SetLatched(selected);
    if (!selected)
        m_pressed = false;
    Redraw();
}

void TZfkButton97::SetLatched(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    NotifyChecked();
}

void TZfkButton97::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ResetAbout();
    int tw;
    if (!Aktywny()) {
        tw = PaintInactive(painter);
    } else {
        PaintFill(painter, Color());
        tw = PaintCaption(painter, Font(), FontColor(), Color());
        const int r = width() - 1;
        const int b = height() - 1;
        if (m_selected) {
            PaintFrame(painter, 0, 0, r, b, colors::Blue, colors::Blue);
            PaintFrame(painter, 1, 1, r - 1, b - 1, colors::Blue, colors::Blue);
        } else if (m_pressed) {
            PaintFrame(painter, 0, 0, r, b, colors::BtnShadow, colors::White);
        } else {
            PaintFrame(painter, 0, 0, r, b, colors::White, colors::BtnShadow);
        }
    }
    PaintPicture(painter, tw);
    if (hasFocus())
        PaintFocus(painter, 2, Aktywny() ? FontColor() : colors::Gray);
}

void TZfkButton97::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        RightPress();
        return;
    }
    if (!Aktywny() || m_selected)
        return;
    m_pressed = true;
    Redraw();
}

void TZfkButton97::RightPress()
{
    if (CurrentButton != this || !m_selected)
        return;
    bool menuShown = false;
    if (m_menu) {
        m_menu->exec(QCursor::pos());
        menuShown = true;
    }
    if (OnRightClick) {
        // A menu takes the release of this press itself, so there is none
        // left to swallow.
        m_rightClickPending = !menuShown;
        OnRightClick(this);
    }
}

void TZfkButton97::mouseReleaseEvent(QMouseEvent* event)
{
    // Whatever the state, this release is the one a pending right click
    // waited for; a flag left over would swallow a later genuine click.
    const bool swallow = m_rightClickPending;
    m_rightClickPending = false;
    if (!Aktywny() || m_selected)
        return;
    if (swallow)
        return;
    m_pressed = false;
    if (IsOver(EventPoint(event)))
        Click();
    else
        Redraw();
}

void TZfkButton97::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (OnKeyDown)
            OnKeyDown(this, event->key());
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As a click with the pointer: the latched button stays as it is.
        if (!event->isAutoRepeat() && Aktywny() && !m_selected)
            Click();
        return;
    default:
        event->ignore();
    }
}

void TZfkButton97::MouseEntered()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TZfkButton97::MouseLeft()
{
    if (Aktywny() && OnMouseLeave)
        OnMouseLeave(this);
}

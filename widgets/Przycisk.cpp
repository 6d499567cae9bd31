#include "widgets/Przycisk.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TPrzycisk::TPrzycisk(QWidget* parent)
    : TZfkButtonFace(parent, QStringLiteral("TPrzycisk - przycisk okien dialogowych programu Zefirak"))
{
    // Not on a click: the pointer must not take the focus from where the
    // user is typing.
    setFocusPolicy(Qt::TabFocus);
}

void TPrzycisk::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ResetAbout();
    const TColor face = Kolor_Przycisku();
    const int r = width() - 1;
    const int b = height() - 1;
    int tw;
    if (!Aktywny()) {
        tw = PaintInactive(painter);
    } else if (m_hovered) {
        // Frames first, the caption over them.
        PaintFill(painter, face);
        PaintFrame(painter, 0, 0, r, b, colors::White, colors::White);
        PaintFrame(painter, 1, 1, r - 1, b - 1, colors::BtnShadow, colors::Black);
        tw = PaintCaption(painter, WithStyles(Font(), m_animacjaStyl), m_animacjaKolor, face);
    } else {
        PaintFill(painter, face);
        tw = PaintCaption(painter, Font(), FontColor(), face);
        if (m_pressed)
            PaintFrame(painter, 0, 0, r, b, colors::Black, colors::BtnShadow);
        else
            PaintFrame(painter, 0, 0, r, b, colors::BtnShadow, colors::Black);
    }
    PaintPicture(painter, tw);
    if (hasFocus() && Aktywny())
        PaintFocus(painter, 2, m_hovered ? m_animacjaKolor : FontColor());
}

void TPrzycisk::mousePressEvent(QMouseEvent*)
{
    if (!Aktywny())
        return;
    m_hovered = false;
    m_pressed = true;
    Redraw();
    m_mouseInside = true;
}

void TPrzycisk::mouseReleaseEvent(QMouseEvent* event)
{
    if (!Aktywny())
        return;
    m_pressed = false;
    if (IsOver(EventPoint(event))) {
        m_hovered = true;
        Redraw();
        if (OnClick)
            OnClick(this);
    } else {
        m_hovered = false;
        Redraw();
    }
}

void TPrzycisk::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        event->ignore(); // Esc and the rest are the dialog's
        return;
    }
    if (!event->isAutoRepeat() && Aktywny() && OnClick)
        OnClick(this);
}

void TPrzycisk::MouseEntered()
{
    if (!Aktywny() || m_mouseInside)
        return;
    m_hovered = true;
    m_pressed = false;
    if (OnMouseEnter)
        OnMouseEnter(this);
    m_mouseInside = true;
    Redraw();
}

void TPrzycisk::MouseLeft()
{
    if (!Aktywny() || !m_mouseInside)
        return;
    m_hovered = false;
    m_pressed = false;
    if (OnMouseLeave)
        OnMouseLeave(this);
    m_mouseInside = false;
    Redraw();
}

void TPrzycisk::AccessiblePress()
{
    m_accessiblePress.Run(this, [this] {
        if (Aktywny() && OnClick)
            OnClick(this);
    });
}

// Synthetic pointer events and pixel reading for the button tests.
#pragma once

#include "widgets/ButtonFace.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

// A parent that counts its own paints.
class PaintCountingHost : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), QColor(0, 90, 0));
    }
};

// A button that counts how often it is painted.
template <class Button>
class Counted : public Button {
public:
    using Button::Button;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        Button::paintEvent(event);
    }
};

inline void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint pos, Qt::MouseButtons held,
                      Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, mods);
    QApplication::sendEvent(w, &event);
}

inline void Press(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonPress, button, pos, button);
}

inline void Release(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonRelease, button, pos, Qt::NoButton);
}

inline void Move(QWidget* w, QPoint pos, Qt::MouseButtons held = Qt::NoButton,
                 Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    SendMouse(w, QEvent::MouseMove, Qt::NoButton, pos, held, mods);
}

inline void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
{
    Press(w, QPoint(5, 5), button);
    Release(w, QPoint(5, 5), button);
}

inline void Enter(QWidget* w)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(w->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(w, &event);
}

inline void Leave(QWidget* w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

inline QImage Shot(QWidget* w, qreal dpr = 1)
{
    QImage image(w->size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::magenta);
    w->render(&image);
    return image;
}

inline QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

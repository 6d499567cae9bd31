#include "widgets/ButtonFace.h"

#include "widgets/Look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

// Screen readers see a push button named by the owner's accessible name, or
// by the caption when the owner set none; "press" clicks it.
class TButtonAccessible : public QAccessibleWidget {
public:
    explicit TButtonAccessible(TZfkButtonFace* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? Button()->Text() : name;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (Button()->Latching()) {
            s.checkable = true;
            s.checked = Button()->Latched();
        }
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Button()->AccessiblePress();
    }

private:
    TZfkButtonFace* Button() const { return static_cast<TZfkButtonFace*>(widget()); }
};

namespace {

QAccessibleInterface* ButtonAccessibleFactory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<TZfkButtonFace*>(object))
        return new TButtonAccessible(button);
    return nullptr;
}

void InstallAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(ButtonAccessibleFactory);
        return true;
    }();
    (void)installed;
}

// An axis-parallel line from (x0, y0) towards (x1, y1), its end point left
// out, as whole logical pixels so it stays sharp at any device pixel ratio.
void Line(QPainter& painter, int x0, int y0, int x1, int y1, const QColor& color)
{
    if (y0 == y1) {
        if (x1 > x0)
            painter.fillRect(QRect(x0, y0, x1 - x0, 1), color);
        else if (x1 < x0)
            painter.fillRect(QRect(x1 + 1, y0, x0 - x1, 1), color);
    } else if (x0 == x1) {
        if (y1 > y0)
            painter.fillRect(QRect(x0, y0, 1, y1 - y0), color);
        else
            painter.fillRect(QRect(x0, y1 + 1, 1, y0 - y1), color);
    }
}

} // namespace

QFont WithStyles(QFont font, TFontStyles styles)
{
    font.setBold(styles & fsBold);
    font.setItalic(styles & fsItalic);
    font.setUnderline(styles & fsUnderline);
    font.setStrikeOut(styles & fsStrikeOut);
    return font;
}

void PaintDottedRect(QPainter& painter, const QRect& r, const QColor& color)
{
    const int l = r.left(), t = r.top(), right = r.right(), b = r.bottom();
    if (right <= l || b <= t)
        return;
    // The pixels of the outline whose distance from the top-left corner is
    // even: the dots meet at the corners as on a checkerboard.
    const auto dot = [&](int x, int y) {
        if ((x - l + y - t) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), color);
    };
    for (int x = l; x <= right; ++x) {
        dot(x, t);
        dot(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        dot(l, y);
        dot(right, y);
    }
}

TZfkButtonFace::TZfkButtonFace(QWidget* parent, const QString& about)
    : QWidget(parent),
      m_aboutText(about),
      m_about(about),
      m_font(AsArial(QGuiApplication::font()))
{
    resize(100, 21);
    // Every paint covers the whole button, so the parent behind it is never
    // drawn again for a button's repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // The right button belongs to the button; it never opens the parent's menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    InstallAccessibleFactoryOnce();
}

void TZfkButtonFace::SetAktywny(bool value)
{
    m_aktywny = value;
    Redraw();
}

void TZfkButtonFace::SetFont(const QFont& font)
{
    m_font = font;
    update();
}

void TZfkButtonFace::SetFontColor(TColor color)
{
    m_fontColor = color;
    update();
}

void TZfkButtonFace::SetObrazek(const QImage& picture)
{
    m_obrazek = picture;
    if (picture.isNull()) {
        m_keyed = QImage();
    } else {
        // The top-left pixel's colour is the key: the face shows through it.
        m_keyed = picture.convertToFormat(QImage::Format_ARGB32);
        m_keyed.setAlphaChannel(m_keyed.createMaskFromColor(m_keyed.pixel(0, 0), Qt::MaskOutColor));
    }
    Redraw();
}

void TZfkButtonFace::SetObrazek_Delphi_Glyph(bool value)
{
    m_glyph = value;
    Redraw();
}

void TZfkButtonFace::SetObrazek_Od_Lewej(bool value)
{
    m_odLewej = value;
    Redraw();
}

bool TZfkButtonFace::ShowHint() const
{
    if (!m_parentShowHint)
        return m_showHint;
    return parentWidget() && parentWidget()->property("ShowHint").toBool();
}

void TZfkButtonFace::SetShowHint(bool value)
{
    m_showHint = value;
    m_parentShowHint = false;
}

QColor TZfkButtonFace::ToColor(TColor color) const { return ToQColor(color, palette()); }

void TZfkButtonFace::SetText(const QString& text)
{
    m_text = text;
    if (accessibleName().isEmpty())
        NameChanged();
    Redraw();
}

void TZfkButtonFace::SetFaceColor(TColor color)
{
    m_faceColor = color;
    Redraw();
}

void TZfkButtonFace::NameChanged()
{
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TZfkButtonFace::NotifyChecked()
{
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

QPoint TZfkButtonFace::EventPoint(const QMouseEvent* event)
{
    const QPointF p = event->position();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

bool TZfkButtonFace::IsOver(QPoint p) const
{
    return p.x() >= 0 && p.x() <= width() && p.y() >= 0 && p.y() <= height();
}

void TZfkButtonFace::PaintFill(QPainter& painter, TColor fill) const { painter.fillRect(rect(), ToColor(fill)); }

int TZfkButtonFace::PaintCaption(QPainter& painter, const QFont& font, TColor textColor, TColor fill) const
{
    painter.setFont(font);
    const QFontMetrics fm = painter.fontMetrics();
    const int tw = fm.horizontalAdvance(m_text);
    const int th = fm.height();
    const int w = width();
    const int h = height();
    const int y = h / 2 - th / 2;
    int x;
    if (m_obrazek.isNull()) {
        x = w / 2 - tw / 2;
    } else {
        x = (m_obrazek.width() - tw) / 2 + w / 2 + 4;
        if (m_glyph)
            x -= x / 4;
    }
    if (!m_text.isEmpty()) {
        painter.fillRect(QRect(x, y, tw, th), ToColor(fill));
        painter.setPen(ToColor(textColor));
        painter.drawText(QPoint(x, y + fm.ascent()), m_text);
    }
    return tw;
}

void TZfkButtonFace::PaintFrame(QPainter& painter, int l, int t, int r, int b, TColor topLeft, TColor bottomRight) const
{
    const QColor tl = ToColor(topLeft);
    const QColor br = ToColor(bottomRight);
    Line(painter, l, b, l, t, tl);
    Line(painter, l, t, r, t, tl);
    Line(painter, r, t, r, b, br);
    Line(painter, r, b, l, b, br);
}

int TZfkButtonFace::PaintInactive(QPainter& painter) const
{
    PaintFill(painter, colors::InactiveFace);
    return PaintCaption(painter, m_font, colors::Gray, colors::InactiveFace);
}

void TZfkButtonFace::PaintPicture(QPainter& painter, int captionWidth) const
{
    if (m_obrazek.isNull())
        return;
    const int pw = m_glyph ? m_obrazek.width() / 2 : m_obrazek.width();
    const int ph = m_obrazek.height();
    const int tw = captionWidth;
    const int cx = m_odLewej ? 15 : width() / 2;
    const int top = height() / 2 - ph / 2;
    const int left = (!m_text.isEmpty() && !m_odLewej) ? cx - (pw + tw) / 2 - tw / 4 : cx - pw / 2;
    // Whole-pixel position and no smoothing: the picture stays sharp when
    // the screen scales it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(left, top), m_keyed, QRect(0, 0, pw, ph));
}

void TZfkButtonFace::PaintFocus(QPainter& painter, int inset, TColor color) const
{
    PaintDottedRect(painter, rect().adjusted(inset, inset, -inset, -inset), ToColor(color));
}

void TZfkButtonFace::enterEvent(QEnterEvent* event)
{
    m_pointerPoint = event->position().toPoint();
    SetPointerInside(true);
}

void TZfkButtonFace::leaveEvent(QEvent*) { SetPointerInside(false); }

void TZfkButtonFace::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = EventPoint(event);
    m_pointerPoint = p;
    if (m_aktywny && OnMouseMove)
        OnMouseMove(this, event->modifiers(), p.x(), p.y());
    // While a mouse button is held the toolkit reports no crossings; follow
    // the pointer here so that leaving and coming back are seen at once.
    if (event->buttons() != Qt::NoButton)
        SetPointerInside(rect().contains(p));
}

bool TZfkButtonFace::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !ShowHint()) {
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TZfkButtonFace::SetPointerInside(bool inside)
{
    if (inside == m_pointerInside)
        return;
    m_pointerInside = inside;
    if (inside)
        MouseEntered();
    else
        MouseLeft();
}

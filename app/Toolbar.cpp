#include "app/Toolbar.h"

#include "app/TTlo.h"
#include "widgets/ButtonFace.h"
#include "widgets/Look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

ToolbarButton::ToolbarButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                             const QFont& font, const QString& hint)
    : QToolButton(parent),
      m_hint(hint)
{
    setObjectName(QLatin1String(name));
    setText(caption);
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(geometry);
    setFont(font);
    if (caption.isEmpty())
        setIconSize(QSize(18, 16));
    SetButtonTextColour(this, colors::Black);
}

void ToolbarButton::SetPictures(const QIcon& normal, const QIcon& hot)
{
    m_normal = normal;
    m_hot = hot;
    setIcon(m_normal);
}

void ToolbarButton::NarrowCaption(int margin)
{
    QFont narrow = ArialNarrowFont(font());
    narrow.setPointSize(7);
    setFont(FitWidth(narrow, {text()}, width() - 2 * margin));
}

void ToolbarButton::ShowLit()
{
    const bool lit = m_pointed || hasFocus();
    if (text().isEmpty())
        setIcon(lit ? m_hot : m_normal);
    else
        SetButtonTextColour(this, lit ? colors::Blue : colors::Black);
}

void ToolbarButton::ShowPointed(bool pointed)
{
    m_pointed = pointed;
    ShowLit();
    if (m_hint.isEmpty())
        return;
    if (pointed)
        emit hinted(m_hint);
    else
        emit hintTakenBack();
}

void ToolbarButton::enterEvent(QEnterEvent* event)
{
    ShowPointed(true);
    QToolButton::enterEvent(event);
}

void ToolbarButton::leaveEvent(QEvent* event)
{
    ShowPointed(false);
    QToolButton::leaveEvent(event);
}

void ToolbarButton::focusInEvent(QFocusEvent* event)
{
    ShowLit();
    QToolButton::focusInEvent(event);
}

void ToolbarButton::focusOutEvent(QFocusEvent* event)
{
    ShowLit();
    QToolButton::focusOutEvent(event);
}

void ToolbarButton::keyPressEvent(QKeyEvent* event)
{
    // Space is the toolkit's (a click on its release); Enter clicks at once.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void ToolbarButton::paintEvent(QPaintEvent*)
{
    // The style's own focus frame is left out: it does not suit the flat
    // toolbar. Without the focus the button is drawn as the toolkit draws it.
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (hasFocus())
        PaintDottedRect(painter, rect().adjusted(1, 1, -1, -1), ToQColor(colors::Blue, palette()));
}

Banner::Banner(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setGeometry(88, 72, 304, 65);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void Banner::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QLabel::mouseMoveEvent(event);
}

void Banner::mouseReleaseEvent(QMouseEvent* event)
{
    // A press that is dragged off the banner and let go is no click.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

Clock::Clock(QWidget* parent)
    : QLabel(QStringLiteral("200X-00-00 00:00:00"), parent)
{
    setObjectName(QStringLiteral("zegar"));
    setGeometry(640, 376, 136, 16);
    QFont clockFont = SansFont(13);
    clockFont.setBold(true);
    setFont(clockFont);
    SetWindowTextColour(this, colors::Teal);
}

Clock::~Clock()
{
    if (m_thread) {
        m_thread->Stop();
        m_thread->wait();
    }
}

TTlo* Clock::Start()
{
    m_thread = new TTlo(this);
    connect(m_thread, &TTlo::Tick, this, &QLabel::setText, Qt::QueuedConnection);
    m_thread->start();
    return m_thread;
}

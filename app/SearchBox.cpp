#include "app/SearchBox.h"

#include "app/Pictures.h"
#include "app/Search.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

SearchBox* SearchBox::Create(QWidget* window)
{
    // A new line edit lays out its empty text once in the application's
    // default face before it takes its parent's. Finding that face is a font
    // search and a font file opened, for a face the window never draws; the
    // parent's face stands in as the default for that moment. The default is
    // set back at once for the standard dialogs.
    const QFont standard = QGuiApplication::font();
    QGuiApplication::setFont(window->font());
    auto* box = new SearchBox(window);
    QGuiApplication::setFont(standard);
    return box;
}

SearchBox::SearchBox(QWidget* window)
    : QLineEdit(window)
{
    m_caption = new QLabel(QStringLiteral("Szukany pierw.:"), window);
    m_caption->setObjectName(QStringLiteral("szukany"));
    m_caption->move(520, 18);
    m_caption->adjustSize(); // the face here is wider than the design's, so the label grows as designed labels do
    m_caption->setMouseTracking(true);
    m_caption->installEventFilter(this);

    setObjectName(QStringLiteral("Szukaj"));
    // The caption is cut short; a screen reader says it whole.
    m_caption->setBuddy(this);
    setAccessibleName(QStringLiteral("Szukany pierwiastek"));
    setGeometry(600, 14, 121, 21);
    setTextMargins(0, 0, 20, 0);
    setMouseTracking(true);
    connect(this, &QLineEdit::textEdited, this, &SearchBox::UpcaseTypedText);

    m_button = new QToolButton(this);
    m_button->setObjectName(QStringLiteral("SzukajButton"));
    m_button->setGeometry(width() - 20 - 1, 1, 20, height() - 2);
    m_button->setIcon(CrispIcon(SearchButtonImage(true), SearchButtonImage(false)));
    m_button->setIconSize(QSize(16, 16));
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCursor(Qt::ArrowCursor);
    m_button->setAccessibleName(QStringLiteral("Szukaj pierwiastka"));
}

void SearchBox::HookButton() { m_button->installEventFilter(this); }

void SearchBox::UpcaseTypedText(const QString& text)
{
    // As long as the capital is one the search can compare, Polish letters
    // included.
    QString upper = text;
    for (QChar& c : upper)
        c = UpcaseTyped(c);
    if (upper != text) {
        const int cursor = cursorPosition();
        setText(upper);
        setCursorPosition(cursor);
    }
}

void SearchBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        emit escapePressed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit keyDown(event->key());
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit keyDown(event->key());
        break; // the box still moves its caret
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void SearchBox::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QLineEdit::mouseMoveEvent(event);
}

// The caption's pointer moves and the button's entering, which those
// widgets do not report themselves.
bool SearchBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_caption && event->type() == QEvent::MouseMove)
        emit pointerMoved();
    else if (watched == m_button && event->type() == QEvent::Enter)
        emit buttonPointed();
    return false;
}

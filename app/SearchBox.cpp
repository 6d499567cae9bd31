// The search box: typing a symbol or name and pressing Enter selects the
// element; the arrow keys walk the table; Esc asks whether to quit.
#include "app/TForm1.h"

#include "app/Pictures.h"
#include "app/Search.h"
#include "data/ElementTables.h"
#include "widgets/Look.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// A new line edit lays out its empty text once in the application's default
// face before it takes its parent's. Finding that face is a font search and
// a font file opened, for a face the window never draws; the parent's face
// stands in as the default for that moment. The default is set back at once
// for the standard dialogs.
QLineEdit* LineEditInFaceOf(QWidget* parent)
{
    const QFont standard = QGuiApplication::font();
    QGuiApplication::setFont(parent->font());
    auto* edit = new QLineEdit(parent);
    QGuiApplication::setFont(standard);
    return edit;
}

} // namespace

void TForm1::CreateSearchBox()
{
    szukany = new QLabel(QStringLiteral("Szukany pierw.:"), this);
    szukany->setObjectName(QStringLiteral("szukany"));
    szukany->move(520, 18);
    szukany->adjustSize(); // the face here is wider than the design's, so the label grows as designed labels do
    szukany->setMouseTracking(true);
    szukany->installEventFilter(this);

    Szukaj = LineEditInFaceOf(this);
    Szukaj->setObjectName(QStringLiteral("Szukaj"));
    Szukaj->setGeometry(600, 14, 121, 21);
    Szukaj->setTextMargins(0, 0, 20, 0);
    Szukaj->setMouseTracking(true);
    Szukaj->installEventFilter(this);
    connect(Szukaj, &QLineEdit::textEdited, this, &TForm1::SzukajTextEdited);

    SzukajButton = new QToolButton(Szukaj);
    SzukajButton->setObjectName(QStringLiteral("SzukajButton"));
    SzukajButton->setGeometry(Szukaj->width() - 20 - 1, 1, 20, Szukaj->height() - 2);
    SzukajButton->setIcon(CrispIcon(SearchButtonImage(true), SearchButtonImage(false)));
    SzukajButton->setIconSize(QSize(16, 16));
    SzukajButton->setAutoRaise(true);
    SzukajButton->setFocusPolicy(Qt::NoFocus);
    SzukajButton->setCursor(Qt::ArrowCursor);
    SzukajButton->setAccessibleName(QStringLiteral("Szukaj pierwiastka"));
    connect(SzukajButton, &QToolButton::clicked, this, &TForm1::SzukajButtonClick);
}

void TForm1::HookSearchButton() { SzukajButton->installEventFilter(this); }

void TForm1::SzukajTextEdited(const QString& text)
{
    // Letters become capitals as they are typed, Polish ones included, as
    // long as the capital is one the search can compare.
    QString upper = text;
    for (QChar& c : upper)
        c = UpcaseTyped(c);
    if (upper != text) {
        const int cursor = Szukaj->cursorPosition();
        Szukaj->setText(upper);
        Szukaj->setCursorPosition(cursor);
    }
}

void TForm1::SearchElement(const QString& text)
{
    const int n = FindElement(text);
    if (n != 0)
        NavigateTo(n);
    else
        ClearSelection();
}

void TForm1::SzukajButtonClick()
{
    SearchElement(FilterSearchText(Szukaj->text()));
    Szukaj->clear();
}

bool TForm1::SzukajKeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        SzukajButtonClick();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        if (SelectedElement == -1) {
            NavigateTo(-1);
        } else {
            const TPierwData& e = ElementTable[SelectedElement - 1];
            const int key = event->key();
            NavigateTo(key == Qt::Key_Left    ? e.LeftNeighbour
                       : key == Qt::Key_Right ? e.RightNeighbour
                       : key == Qt::Key_Up    ? e.UpNeighbour
                                              : e.DownNeighbour);
        }
        return false; // the box still moves its caret
    }
    default:
        return false;
    }
}

bool TForm1::SzukajKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        AskToQuit();
        return true;
    }
    return false;
}

void TForm1::SzukajButtonMouseEnter()
{
    SetStatus(QStringLiteral("Kliknij na ten przycisk aby wyświetlić dane o szukanym przez ciebie pierwiastku"));
}

void TForm1::SzukajMouseMove() { SetStatus(QString()); }

bool TForm1::SearchBoxEvent(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == Szukaj) {
        if (type == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            return SzukajKeyPress(key) || SzukajKeyDown(key);
        }
        if (type == QEvent::MouseMove)
            SzukajMouseMove();
        return false;
    }
    if (watched == SzukajButton) {
        if (type == QEvent::Enter)
            SzukajButtonMouseEnter();
        return false;
    }
    if (watched == szukany && type == QEvent::MouseMove)
        SzukajMouseMove();
    return false;
}

// What a title bar would offer, drawn by the window itself: the toolbar, the
// minimise and close pictures, the exit question, dragging the frameless
// window and the first-show checks.
#include "app/TForm1.h"

#include "app/Forms.h"
#include "app/Pictures.h"
#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "print/TForm2.h"
#include "print/TForm3.h"
#include "settings/TForm4.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

QToolButton* FlatButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                        const QFont& font)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    button->setFont(font);
    if (caption.isEmpty())
        button->setIconSize(QSize(18, 16));
    return button;
}

void SetCaptionColour(QToolButton* button, TColor colour)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, ToQColor(colour));
    button->setPalette(pal);
}

// The four pictures of the minimise and close buttons, made once: they are
// swapped at every pointer enter and leave.
const QIcon& PictureIcon(ToolbarPictureKind kind, bool hot)
{
    static const QIcon icons[2][2] = {
        {CrispIcon(ToolbarPicture(ToolbarPictureKind::Minimise, false)),
         CrispIcon(ToolbarPicture(ToolbarPictureKind::Minimise, true))},
        {CrispIcon(ToolbarPicture(ToolbarPictureKind::Close, false)),
         CrispIcon(ToolbarPicture(ToolbarPictureKind::Close, true))},
    };
    return icons[kind == ToolbarPictureKind::Close][hot];
}

const QString ExitQuestion = QStringLiteral("Czy rzeczywiście chcesz zakończyć program");

} // namespace

void TForm1::CreateToolbar()
{
    QFont toolbarFont = ArialFont(11);
    toolbarFont.setBold(true);
    OriginalToolbarButton974 = FlatButton(this, "OriginalToolbarButton974", QStringLiteral("Wydruk Zefiraku"),
                                          QRect(8, 14, 185, 22), toolbarFont);
    ToolbarButton971 =
        FlatButton(this, "ToolbarButton971", QStringLiteral("Wydruk Raportu"), QRect(200, 14, 113, 22), toolbarFont);
    ToolbarButton974 = FlatButton(this, "ToolbarButton974", QStringLiteral("Informacja i Ustawienia Programu"),
                                  QRect(320, 14, 193, 22), toolbarFont);
    ToolbarButton973 = FlatButton(this, "ToolbarButton973", QString(), QRect(726, 13, 25, 22), font());
    ToolbarButton973->setAccessibleName(QStringLiteral("Minimalizacja programu"));
    ToolbarButton972 = FlatButton(this, "ToolbarButton972", QString(), QRect(752, 13, 25, 22), font());
    ToolbarButton972->setAccessibleName(QStringLiteral("Wyjście z aplikacji"));
    OriginalToolbarButton971 =
        FlatButton(this, "OriginalToolbarButton971", QStringLiteral("Kopiuj dane"), QRect(632, 288, 137, 17), font());
    OriginalToolbarButton972 = FlatButton(this, "OriginalToolbarButton972", QStringLiteral("Zapisz dane do pliku txt"),
                                          QRect(632, 308, 137, 17), font());
    OriginalToolbarButton973 =
        FlatButton(this, "OriginalToolbarButton973", QStringLiteral("Wydrukuj dane"), QRect(632, 328, 137, 17), font());

    connect(OriginalToolbarButton971, &QToolButton::clicked, this, &TForm1::OriginalToolbarButton971Click);
    connect(OriginalToolbarButton972, &QToolButton::clicked, this, &TForm1::OriginalToolbarButton972Click);
    connect(OriginalToolbarButton973, &QToolButton::clicked, this, &TForm1::OriginalToolbarButton973Click);
    connect(OriginalToolbarButton974, &QToolButton::clicked, this, &TForm1::OriginalToolbarButton974Click);
    connect(ToolbarButton971, &QToolButton::clicked, this, &TForm1::ToolbarButton971Click);
    connect(ToolbarButton972, &QToolButton::clicked, this, &TForm1::ToolbarButton972Click);
    connect(ToolbarButton973, &QToolButton::clicked, this, &TForm1::ToolbarButton973Click);
    connect(ToolbarButton974, &QToolButton::clicked, this, &TForm1::ToolbarButton974Click);

    for (QToolButton* button :
         {OriginalToolbarButton971, OriginalToolbarButton972, OriginalToolbarButton973, OriginalToolbarButton974,
          ToolbarButton971, ToolbarButton972, ToolbarButton973, ToolbarButton974}) {
        SetCaptionColour(button, colors::Black);
        button->installEventFilter(this);
    }
}

void TForm1::SetToolbarPictures(bool minimiseHot, bool closeHot)
{
    ToolbarButton973->setIcon(PictureIcon(ToolbarPictureKind::Minimise, minimiseHot));
    ToolbarButton972->setIcon(PictureIcon(ToolbarPictureKind::Close, closeHot));
}

// Pointer entering or leaving a toolbar button: captions turn blue while
// pointed at, pictures take their pointed-at look, and most buttons explain
// themselves in the status line.
bool TForm1::ToolbarPointer(QObject* watched, QEvent::Type type)
{
    const bool enter = type == QEvent::Enter;
    auto caption = [&](QToolButton* button, const QString& hint, bool touchesStatus) {
        SetCaptionColour(button, enter ? colors::Blue : colors::Black);
        if (touchesStatus) {
            if (enter)
                SetStatus(hint);
            else
                HMouseExit(button);
        }
    };
    if (watched == OriginalToolbarButton971)
        caption(OriginalToolbarButton971, QStringLiteral("Kopiuj dane do schowka systemowego"), true);
    else if (watched == OriginalToolbarButton972)
        caption(OriginalToolbarButton972, QStringLiteral("Zapisz dane do pliku tekstowego"), true);
    else if (watched == OriginalToolbarButton973)
        caption(OriginalToolbarButton973, QStringLiteral("Wydrukuj dane (raport)"), true);
    else if (watched == OriginalToolbarButton974)
        caption(OriginalToolbarButton974, QString(), false);
    else if (watched == ToolbarButton971)
        caption(ToolbarButton971, QString(), false);
    else if (watched == ToolbarButton974)
        caption(ToolbarButton974, QString(), false);
    else if (watched == ToolbarButton973) {
        ToolbarButton973->setIcon(PictureIcon(ToolbarPictureKind::Minimise, enter));
        enter ? SetStatus(QStringLiteral("Minimalizacja programu")) : HMouseExit(ToolbarButton973);
    } else if (watched == ToolbarButton972) {
        ToolbarButton972->setIcon(PictureIcon(ToolbarPictureKind::Close, enter));
        enter ? SetStatus(QStringLiteral("Wyjście z aplikacji")) : HMouseExit(ToolbarButton972);
    } else
        return false;
    return true;
}

void TForm1::OriginalToolbarButton971Click() { CopyElementData(); }

void TForm1::OriginalToolbarButton972Click() { SaveElementData(); }

void TForm1::OriginalToolbarButton973Click()
{
    if (SelectedElement == -1) {
        ShowNotice(QStringLiteral("Nie wybrano pierwiastka!"), nkError);
        return;
    }
    // The report dialog stays beside the main window without blocking it.
    ReportDialog().ShowFor(SelectedElement);
}

void TForm1::OriginalToolbarButton974Click() { TableDialog().exec(); }

void TForm1::ToolbarButton971Click()
{
    // Left open by "Wydrukuj dane", the dialog would not become modal by
    // exec alone; shown anew it also starts with nothing ticked.
    TForm3& dialog = ReportDialog();
    if (dialog.isVisible())
        dialog.hide();
    dialog.exec();
}

void TForm1::ToolbarButton974Click() { SettingsDialog().exec(); }

void TForm1::ToolbarButton973Click()
{
    // The whole application goes to the task bar, dialogs included.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->showMinimized();
}

void TForm1::ToolbarButton972Click() { AskToQuit(); }

void TForm1::AskToQuit()
{
    if (AskYesNo(ExitQuestion))
        close();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce)
        return;
    shownOnce = true;
    // After the window is up, so that a question does not hold up its showing.
    QTimer::singleShot(0, this, &TForm1::FormShow);
}

void TForm1::FormShow()
{
    Szukaj->setFocus();
    const QScreen* s = screen() ? screen() : QApplication::primaryScreen();
    if (s)
        CheckScreenSize(s->size());
}

void TForm1::CheckScreenSize(const QSize& screen)
{
    if (screen.width() >= 780 && screen.height() >= 400)
        return;
    ChangeResource(0);
    if (!Warn2)
        return;
    const QStringList lines = {
        QStringLiteral("Aktualna rozdzielczość ekranu: ") + QString::number(screen.width()) + QLatin1Char('/')
            + QString::number(screen.height()),
        QStringLiteral("jest mniejsza niż rozmiar skórki, interfejs programu"),
        QStringLiteral("był tworzony dla rozdzielczości 800/600."),
        QStringLiteral("Może to powodować niewygodę podczas pracy,"),
        QStringLiteral("część interfejsu może zostać ucięta."),
        QStringLiteral("Można jednak przesuwać interfejs: klikając i przytrzymując"),
        QStringLiteral("lewy przycisk myszy, równocześnie przesuwając mysz."),
        QString(),
        QStringLiteral("Czy chcesz aby ten komunikat pokazał się podczas"),
        QStringLiteral("następnego uruchomienia programu w niskiej rozdzielczości"),
    };
    Warn2 = AskYesNo(lines.join(QStringLiteral("\r\n")));
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    // Only a press on the bare surface moves the window; presses that labels
    // pass up to the window do not.
    if (childAt(event->position().toPoint()) == nullptr)
        FormMouseDown(event);
}

void TForm1::FormMouseDown(QMouseEvent* event)
{
    const QPoint pressedAt = event->globalPosition().toPoint();
    // Ask the window manager for an interactive move, as a title bar would.
    // Only for the left button: the window manager ends its move when the
    // left button comes up, so a move begun with another one would go on
    // after that button's release. The toolkit anchors that move at the last
    // pointer position it has read, not at the press; if the pointer has
    // moved on since (the press waited while we were busy), the window would
    // trail the pointer by that much for the whole move.
    if (event->button() == Qt::LeftButton && QCursor::pos() == pressedAt && windowHandle()
        && windowHandle()->startSystemMove())
        return;
    // Another button, no window manager that offers a move, or a late press:
    // follow the pointer ourselves until the button is released.
    manualDrag = true;
    dragOffset = pressedAt - pos();
    grabMouse();
}

void TForm1::mouseMoveEvent(QMouseEvent* event)
{
    if (manualDrag) {
        move(event->globalPosition().toPoint() - dragOffset);
        return;
    }
    if (childAt(event->position().toPoint()) == nullptr)
        SzukajMouseMove();
}

void TForm1::mouseReleaseEvent(QMouseEvent*)
{
    if (manualDrag) {
        manualDrag = false;
        releaseMouse();
    }
}

bool TForm1::ToolbarEvent(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave)
        ToolbarPointer(watched, type);
    return false;
}

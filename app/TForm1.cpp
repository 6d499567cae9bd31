#include "TForm1.h"

#include "ElementTables.h"
#include "Look.h"
#include "settings/SettingsValues.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int SelectedElement = -1;

namespace {

const QString ApplicationTitle = QStringLiteral("  Zefirak");

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form1"));
    // The window has no caption bar; its title is what the task bar shows.
    setWindowTitle(ApplicationTitle);
    setAccessibleName(QStringLiteral("Zefirak"));
    setFixedSize(787, 414);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(colors::WindowFace));
    setPalette(pal);
    setFont(SansFont(11));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(88, 72, 304, 65);
    Image1->setCursor(Qt::PointingHandCursor);

    Podglad = new QLabel(QStringLiteral("Zefirak"), this);
    Podglad->setObjectName(QStringLiteral("Podglad"));
    QFont bold = SansFont(13);
    bold.setBold(true);
    Podglad->setFont(bold);
    QPalette blue = Podglad->palette();
    blue.setColor(QPalette::WindowText, ToQColor(colors::Blue));
    Podglad->setPalette(blue);
    Podglad->move(16, 376);
    Podglad->adjustSize();

    if (QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    FormActivate();
}

void TForm1::FormActivate()
{
    PrepareSponsorPanel();
    StartClock();
    PrepareDataPanel();
    BuildButtonTable();
    LoadShortTable();
    LoadElementTable();
    InitElementButtons();
    CreateClipboard();
    HookSearchButton();
}

// The sponsor panel is not part of this program's design; nothing to prepare.
void TForm1::PrepareSponsorPanel() {}

// Placeholders for the steps that the table view, data panel, search, export
// and clock bring in; they keep their place in the creation order.
void TForm1::StartClock() {}
void TForm1::PrepareDataPanel() {}
void TForm1::BuildButtonTable() {}
void TForm1::InitElementButtons() {}
void TForm1::CreateClipboard() {}
void TForm1::HookSearchButton() {}

void TForm1::SetLatin(bool latin)
{
    for (int i = 0; i < ElementCount; ++i) {
        ShortTable[i].DisplayName = latin ? ShortTable[i].LatinName : ShortTable[i].PolishName;
        ElementTable[i].Name = latin ? ElementTable[i].LatinName : ElementTable[i].PolishName;
    }
}

void TForm1::ReadReg()
{
    // Until the settings store exists the defaults apply: Polish names.
    SetLatin(LatinNames);
}

void TForm1::WriteReg()
{
    // Nothing is stored yet.
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void TForm1::FormClose()
{
    WriteReg();
    // End at once: no window is closed and the clock thread is not joined
    // (exit() would run destructors while it still runs). Everything written
    // above is already complete on disk.
    std::fflush(nullptr);
    std::_Exit(0);
}

#include "app/TForm1.h"

#include "app/Forms.h"
#include "app/TTlo.h"
#include "app/TableLoading.h"
#include "data/ElementTables.h"
#include "data/SettingsValues.h"
#include "platform/Messages.h"
#include "settings/SettingsStore.h"
#include "settings/Skin.h"
#include "widgets/Look.h"
#include "widgets/ZfkButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <QToolButton>

#include <cstdio>
#include <cstdlib>

std::array<TZfkButton97*, ElementCount> ElementButtons{};

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
    setAttribute(Qt::WA_OpaquePaintEvent); // the skin paints every pixel
    SetFaceColour(this, colors::WindowFace);
    setFont(SansFont(11));
    setMouseTracking(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(88, 72, 304, 65);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);

    Podglad = new QLabel(QStringLiteral("Zefirak"), this);
    Podglad->setObjectName(QStringLiteral("Podglad"));
    QFont bold = SansFont(13);
    bold.setBold(true);
    Podglad->setFont(bold);
    SetWindowTextColour(Podglad, colors::Blue);
    Podglad->move(16, 376);
    Podglad->adjustSize();

    CreateTableCaptions();

    Dane = new QTableWidget(this);
    Dane->setObjectName(QStringLiteral("Dane"));
    Dane->setGeometry(624, 72, 153, 212);

    CreateSearchBox();
    CreateToolbar();

    zegar = new QLabel(QStringLiteral("200X-00-00 00:00:00"), this);
    zegar->setObjectName(QStringLiteral("zegar"));
    zegar->setGeometry(640, 376, 136, 16);
    QFont clockFont = SansFont(13);
    clockFont.setBold(true);
    zegar->setFont(clockFont);
    SetWindowTextColour(zegar, colors::Teal);

    CentreOnScreen(this);
    SetMainWindow(this);

    FormActivate();
}

TForm1::~TForm1()
{
    if (MainWindow() == this)
        SetMainWindow(nullptr);
    if (Tlo) {
        Tlo->Stop();
        Tlo->wait();
    }
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

void TForm1::StartClock()
{
    Tlo = new TTlo(this);
    connect(Tlo, &TTlo::Tick, zegar, &QLabel::setText, Qt::QueuedConnection);
    Tlo->start();
}

void TForm1::SetStatus(const QString& text)
{
    Podglad->setText(text);
    Podglad->adjustSize();
}

void TForm1::ReadReg() { ::ReadReg(platform::Paths().SettingsFile(), StoredPrintSettings(), *this); }

void TForm1::WriteReg()
{
    // One box for all that could not be saved, then the program ends as
    // usual: the settings of this run are lost, those of the last stay.
    CollectPrintSettings();
    const QStringList problems = ::WriteReg(platform::Paths().SettingsFile(), StoredPrintSettings());
    if (!problems.isEmpty())
        ShowNotice(problems.join(QStringLiteral("\r\n\r\n")), nkError);
}

void TForm1::loadskin(const QString& /*name*/, TColor /*transparent*/)
{
    // There is one skin, the default; the name and key colour are not used.
    LoadSkinOnto(*this, [this] { SetProgramInterface(); });
}

void TForm1::FormPaint(QPainter& painter) { PaintSkinBackground(painter); }

void TForm1::RepaintWindow() { repaint(); }

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    return SearchBoxEvent(watched, event) || BannerEvent(watched, event) || DataPanelEvent(watched, event)
           || ToolbarEvent(watched, event);
}

void TForm1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    FormPaint(painter);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    FormClose();
}

void TForm1::FormClose()
{
    // Once: a close command that comes while a shutdown message is open
    // must not write the settings again.
    static bool closing = false;
    if (closing)
        return;
    closing = true;
    if (Tlo)
        Tlo->Stop();
    const ShutdownMessages blocking;
    WriteReg();
    // End at once: no window is closed and the clock thread is not joined
    // (exit() would run destructors while it still runs). Everything written
    // above is already complete on disk.
    std::fflush(nullptr);
    std::_Exit(0);
}

#include "app/TZfk_SplashForm.h"

#include "builtin/blocks/BuiltInBlocks.h"
#include "builtin/codec/ExpandBuiltIn.h"
#include "data/ProgramInfo.h"
#include "widgets/Bitmap.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QBuffer>
#include <QEventLoop>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <vector>

namespace {

// Long enough for any X server to map a window, short enough not to hold up
// a start on a desktop that never exposes the splash.
constexpr int kExposeWaitMs = 500;

// Ends its loop when the window becomes exposed.
class ExposeWatch : public QObject {
public:
    explicit ExposeWatch(QWindow* window)
        : m_window(window)
    {
        m_window->installEventFilter(this);
    }
    ~ExposeWatch() override { m_window->removeEventFilter(this); }
    QEventLoop loop;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed())
            loop.quit();
        return false;
    }

private:
    QWindow* m_window;
};

} // namespace

QPixmap LoadBanner()
{
    std::vector<uint8_t> bytes;
    ExpandBuiltIn(BannerBlock(), AppendTo(bytes));
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    ReadAsBitmapOnly(reader);
    return QPixmap::fromImage(reader.read());
}

TZfk_SplashForm::TZfk_SplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Zfk_SplashForm"));
    setFixedSize(353, 162);
    setAutoFillBackground(true);
    SetFaceColour(this, colors::WindowFace);
    setFont(SansFont(11));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(24, 8, 304, 65);

    Label2 = new QLabel(QStringLiteral("Inicjalizacja programu..."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(24, 80, 110, 13);
    Label2->setFont(SansFont(11));
    SetWindowTextColour(Label2, colors::Blue);
    // The status texts are longer than the label's designed width; let them
    // run on instead of being cut off.
    Label2->setMinimumWidth(110);
    Label2->adjustSize();

    Label1 = new QLabel(LicenceText(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(24, 96, 296, 30);
    Label1->setWordWrap(true);
    Label1->setFont(SerifFont(7));

    Label3 = new QLabel(FreewareAppeal() + QLatin1Char('\n') + ReadTheInformation(), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(24, 136, 275, 22);
    Label3->setWordWrap(true);
    QFont bold = SerifFont(9);
    bold.setBold(true);
    Label3->setFont(bold);

    CentreOnScreen(this);
}

void TZfk_SplashForm::SetStatus(const QString& text)
{
    // Only the status line changes: repainting where it was and where it is
    // now is enough, and far cheaper than the banner and the notices again.
    const QRect before = Label2->geometry();
    Label2->setText(text);
    Label2->adjustSize();
    WaitUntilExposed();
    // A repaint sends the picture to the display at once; no need to wait
    // for the display to answer before the next step starts.
    repaint(before.united(Label2->geometry()));
}

void TZfk_SplashForm::WaitUntilExposed()
{
    // The window system exposes a new window some time after it is shown,
    // and paints before that are dropped: the splash would stay a blank
    // rectangle. Wait for it, but not for ever (a desktop may never expose
    // it); user input waits for the event loop.
    QWindow* window = windowHandle();
    if (!window || window->isExposed())
        return;
    ExposeWatch watch(window);
    QTimer::singleShot(kExposeWaitMs, &watch.loop, &QEventLoop::quit);
    watch.loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QPixmap TZfk_SplashForm::Banner() const { return Image1->pixmap(); }

void TZfk_SplashForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The banner is loaded when the splash comes up. Showing is used rather
    // than activation because a desktop without a window manager never
    // activates the window.
    FormActivate();
}

void TZfk_SplashForm::FormActivate()
{
    if (m_bannerLoaded)
        return;
    m_bannerLoaded = true;
    Image1->setPixmap(LoadBanner());
}

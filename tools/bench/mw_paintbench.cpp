// Repaint times of the main window and of one element button, offscreen:
// the median of many synchronous repaints; and the window's own background
// paint, which reads the skin's bitmap from disk every time. Not part of the
// test suite; run
//   QT_QPA_PLATFORM=offscreen ./mw_paintbench [rounds]
#include "app/Forms.h"
#include "app/TForm1.h"
#include "print/TForm2.h"
#include "print/TForm3.h"
#include "tests/app/FakeMessages.h"
#include "widgets/ZfkButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The skin files go to a folder of the run's own.
class TempPaths final : public PathService {
public:
    explicit TempPaths(const QString& folder)
        : m_folder(folder)
    {
        platform::SetPaths(this);
    }
    ~TempPaths() override { platform::SetPaths(nullptr); }
    QString ProgramFolder() const override { return m_folder; }
    QString SettingsFile() const override { return m_folder + QStringLiteral("/Zefirak.reg"); }

private:
    QString m_folder;
};

double MedianMicroseconds(QWidget* w, int rounds)
{
    std::vector<qint64> times;
    times.reserve(size_t(rounds));
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        timer.start();
        w->repaint();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] / 1000.0;
}

// The window's own paint onto an image, in milliseconds.
double MedianFormPaintMilliseconds(TForm1& form, int rounds)
{
    QImage canvas(form.size(), QImage::Format_RGB32);
    std::vector<qint64> times;
    times.reserve(size_t(rounds));
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        canvas.fill(Qt::magenta);
        QPainter painter(&canvas);
        timer.start();
        form.FormPaint(painter);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 500;
    FakeMessages messages;
    QTemporaryDir folder;
    TempPaths paths(folder.path());
    TForm1 form;
    // The settings are read into the print dialogs' controls.
    Form2 = new TForm2(&form);
    Form3 = new TForm3(&form);
    form.ReadReg(); // the skin's background is part of every window repaint
    form.SetLatin(false);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    ElementButtons[25]->Click();
    // Warm up caches (fonts, glyphs, pixmaps) before measuring.
    MedianMicroseconds(&form, 10);
    std::printf("platform %s, %d rounds, %d message boxes\n", qPrintable(QGuiApplication::platformName()), rounds,
                int(messages.boxes.size()));
    std::printf("main window repaint: median %.1f us\n", MedianMicroseconds(&form, rounds));
    std::printf("element button repaint (Fe, latched): median %.1f us\n",
                MedianMicroseconds(ElementButtons[25], rounds * 10));
    std::printf("element button repaint (Co, raised): median %.1f us\n",
                MedianMicroseconds(ElementButtons[26], rounds * 10));
    std::printf("FormPaint, the skin's bitmap read from disk: median %.2f ms\n",
                MedianFormPaintMilliseconds(form, rounds));
    return 0;
}

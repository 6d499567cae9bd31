// The main window's background paint with the skin's bitmap read from disk
// at every paint, as the window does it: the median of many paints onto an
// image. Not part of the test suite; run
//   QT_QPA_PLATFORM=offscreen ./skin_paintbench [rounds]
#include "app/TForm1.h"
#include "tests/app/FakeMessages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 201;
    FakeMessages messages;
    QTemporaryDir folder;
    TempPaths paths(folder.path());
    TForm1 form;
    form.loadskin(QStringLiteral("default"), 0xFFFFFF); // writes the built-in skin into the folder
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
    std::printf("platform %s, %d message boxes\n", qPrintable(QGuiApplication::platformName()),
                int(messages.boxes.size()));
    std::printf("FormPaint with the %lld-byte bitmap from disk: median %.2f ms (min %.2f, max %.2f) of %d\n",
                qint64(QFileInfo(folder.filePath(QStringLiteral("default.bmp"))).size()), times[times.size() / 2] / 1e6,
                times.front() / 1e6, times.back() / 1e6, rounds);
    return 0;
}

// A small program that drives one path of the real program to its end, so
// that tests can watch the process's exit code.
//   zfk_probe fatal   - a fatal notice, answered at once
//   zfk_probe close DIR - start-up with DIR as the program folder, then the
//                         main window is closed while a second thread is
//                         still running
//   zfk_probe closebox DIR - as close, with the real message boxes: each box
//                         that appears is described on stdout ("box:
//                         CAPTION modality=N blocking=0|1") and answered OK
//   zfk_probe toolkit ... - the application object as the program makes it;
//                         prints its layout direction, platform and scale
#include "app/Forms.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "platform/Messages.h"
#include "tests/app/FakeMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>

namespace {

class FixedProgramFolder final : public PathService {
public:
    explicit FixedProgramFolder(QString folder)
        : folder(std::move(folder))
    {}
    QString ProgramFolder() const override { return folder; }
    QString SettingsFile() const override { return folder + QStringLiteral("/Morvane/Zefirak.reg"); }

private:
    QString folder;
};

class BusyThread : public QThread {
protected:
    void run() override
    {
        while (true)
            QThread::msleep(5);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const auto app = CreateApplication(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    FakeMessages fake;

    if (mode == QLatin1String("fatal")) {
        ShowNotice(QStringLiteral("koniec"), nkFatal);
        std::puts("returned");
        return 3;
    }
    if (mode == QLatin1String("closebox") && argc > 2) {
        platform::SetMessages(nullptr);
        FixedProgramFolder folder(QString::fromLocal8Bit(argv[2]));
        platform::SetPaths(&folder);
        StartZefirak();
        auto* answering = new QTimer;
        QObject::connect(answering, &QTimer::timeout, [] {
            static QSet<QMessageBox*> seen;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible() || seen.contains(box))
                    continue;
                seen.insert(box);
                std::printf("box: %s modality=%d blocking=%d\n", qPrintable(box->windowTitle()),
                            int(box->windowModality()), int(QApplication::activeModalWidget() == box));
                std::printf("text: %s\n", qPrintable(box->text().replace(QLatin1Char('\n'), QLatin1Char('|'))));
                std::fflush(stdout);
                box->defaultButton()->click();
            }
        });
        answering->start(20);
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        const int result = RunEventLoop();
        std::puts("loop returned");
        return 10 + result;
    }
    if (mode == QLatin1String("close") && argc > 2) {
        // The process ends without running destructors, so the folder is
        // the caller's, not a temporary one of ours.
        FixedProgramFolder folder(QString::fromLocal8Bit(argv[2]));
        platform::SetPaths(&folder);
        StartZefirak();
        auto* busy = new BusyThread;
        busy->start();
        QTimer::singleShot(0, Form1, [] { Form1->close(); });
        const int result = RunEventLoop();
        std::puts("loop returned");
        return 10 + result;
    }
    if (mode == QLatin1String("toolkit")) {
        std::printf("toolkit: %s %s %g %lld\n",
                    QGuiApplication::layoutDirection() == Qt::LeftToRight ? "LeftToRight" : "RightToLeft",
                    qPrintable(QGuiApplication::platformName()), QGuiApplication::primaryScreen()->devicePixelRatio(),
                    qlonglong(QCoreApplication::arguments().size()));
        return 0;
    }
    return 2;
}

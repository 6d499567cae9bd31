// The splash on a real X server: each status text is on the screen when
// SetStatus returns, because start-up goes straight on to a step that keeps
// the GUI thread busy. Run under xvfb-run on the xcb platform.
#include "app/TZfk_SplashForm.h"
#include "tests/app/ScreenArea.h"

#include <QCursor>
#include <QLabel>
#include <QtTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void eachStatusIsOnTheScreenWhenSetStatusReturns()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
        QCursor::setPos(0, 0); // the server draws the pointer over what it shows

        TZfk_SplashForm splash;
        splash.show();
        for (const char* step : {"tworzenie formy TForm1", "tworzenie formy TForm2", "tworzenie formy TForm3",
                                 "ustawianie parametrów programu", "OK"}) {
            const QString text = QStringLiteral("Inicjalizacja programu...") + QString::fromUtf8(step);
            splash.SetStatus(text);
            // Read back before any event is processed, as the next step would.
            const QImage shown = ScreenArea(splash.geometry());
            const QImage expected = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.size(), expected.size());
            int differ = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    differ += shown.pixel(x, y) != expected.pixel(x, y);
            QVERIFY2(differ == 0, qPrintable(QStringLiteral("%1: %2 of %3 pixels not on the screen")
                                                 .arg(text)
                                                 .arg(differ)
                                                 .arg(shown.width() * shown.height())));
        }
        QCOMPARE(splash.Image1->pixmap().size(), QSize(304, 65)); // the banner was part of the picture
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"

#include "app/Forms.h"
#include "app/SearchBox.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TZfk_SplashForm.h"
#include "app/Toolbar.h"
#include "data/ElementTables.h"
#include "data/PrintSettings.h"
#include "tests/app/FakeMessages.h"
#include "tests/app/TempProgramFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QtTest>

namespace {

// What the splash status line showed at each repaint, and which windows
// existed at that moment.
struct StatusPaint {
    QString text;
    bool form1, form2, form3, form4;
};

class StartupWatcher : public QObject {
public:
    QList<StatusPaint> paints;
    bool splashGoneWhenMainShown = false;
    bool mainShown = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("Label2")) {
            const QString text = static_cast<QLabel*>(watched)->text();
            if (paints.isEmpty() || paints.last().text != text)
                paints.append({text, Form1 != nullptr, Form2 != nullptr, Form3 != nullptr, Form4 != nullptr});
        }
        if (event->type() == QEvent::Show && watched == Form1 && !mainShown) {
            mainShown = true;
            splashGoneWhenMainShown = Zfk_SplashForm == nullptr;
        }
        return false;
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // The main window (and the dialogs it owns) goes before the program's
    // statics: its clock thread would otherwise run on into them.
    void cleanupTestCase()
    {
        delete Form1;
        Form1 = nullptr;
        Form2 = nullptr;
        Form3 = nullptr;
        Form4 = nullptr;
    }

    void startupRunsItsStepsInOrder()
    {
        FakeMessages fake;
        TempProgramFolder folder;
        StartupWatcher watcher;
        qApp->installEventFilter(&watcher);
        const QFont standardFont = QGuiApplication::font();
        StartZefirak();

        const QStringList expected = {
            QStringLiteral("Inicjalizacja programu...tworzenie formy TForm1"),
            QStringLiteral("Inicjalizacja programu...tworzenie formy TForm2"),
            QStringLiteral("Inicjalizacja programu...tworzenie formy TForm3"),
            QStringLiteral("Inicjalizacja programu...ustawianie parametrów programu"),
            QStringLiteral("Inicjalizacja programu...OK"),
        };
        QStringList seen;
        for (const StatusPaint& p : watcher.paints)
            if (p.text != QLatin1String("Inicjalizacja programu..."))
                seen << p.text;
        QCOMPARE(seen, expected);

        auto at = [&](int i) { return watcher.paints[watcher.paints.size() - 5 + i]; };
        QVERIFY(!at(0).form1);
        QVERIFY(at(1).form1);
        // The settings dialog and the print dialogs wait until first opened.
        for (int i = 0; i < 5; ++i)
            QVERIFY(!at(i).form2 && !at(i).form3 && !at(i).form4);

        QCOMPARE(Zfk_SplashForm, nullptr);
        QVERIFY(Form1 && !Form2 && !Form3 && !Form4);
        QVERIFY(fake.boxes.isEmpty());

        // What the finished start-up leaves behind.
        QCOMPARE(Form1->windowTitle(), QStringLiteral("  Zefirak"));
        QCOMPARE(Form1->size(), QSize(787, 414));
        QVERIFY(Form1->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Form1->Image1->pixmap().size(), QSize(304, 65));
        QCOMPARE(Form1->Podglad->text(), QStringLiteral("Zefirak"));
        QCOMPARE(SelectedElement, -1);
        // Only the faces the windows draw in are opened; the standard
        // dialogs keep the desktop's face.
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        for (const QByteArray& line : maps.readAll().split('\n'))
            if (line.endsWith(".ttf") || line.endsWith(".otf") || line.endsWith(".ttc"))
                QVERIFY2(line.mid(line.lastIndexOf('/') + 1).startsWith("Liberation"), line.constData());
        QCOMPARE(QGuiApplication::font(), standardFont);
        QCOMPARE(Form1->Szukaj->font(), Form1->font());
        QCOMPARE(ShortTable[0].DisplayName, std::string("Wodór"));
        QCOMPARE(ElementTable[0].Name, std::string("Wodór"));

        Form1->show();
        QVERIFY(watcher.mainShown);
        QVERIFY(watcher.splashGoneWhenMainShown);
        qApp->removeEventFilter(&watcher);
    }

    // The settings the store read reach each print dialog when it is built
    // and come back from it at shutdown; a size its list lacks comes back
    // as none chosen.
    void printSettingsReachTheDialogsAndComeBack()
    {
        PrintSettings& stored = StoredPrintSettings();
        stored.table = {QStringLiteral("x"), 26, 1, 20, 8, false, {"Zefirak", "", ""}};
        stored.report = {QStringLiteral("Arial"), 25};
        PrintSettings expected = stored;
        expected.table.symbolSize = 0;
        TableDialog();
        ReportDialog();
        stored = PrintSettings{};
        CollectPrintSettings();
        QCOMPARE(stored.table.fieldLines, expected.table.fieldLines);
        QVERIFY(stored.table == expected.table);
        QVERIFY(stored.report == expected.report);
    }

    void bannerIsTheBuiltInPicture()
    {
        const QPixmap banner = LoadBanner();
        QCOMPARE(banner.size(), QSize(304, 65));
        QCOMPARE(banner.toImage().depth(), 32); // loaded, not a null image
        // Read as the bitmap it is: a reader left to guess would have loaded
        // every image plugin to ask each whether it knows the data.
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"

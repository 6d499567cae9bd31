// The clock thread under a day-first locale: the label gets the user's date
// as the locale writes it, from the clock service's time.
#include "app/TTlo.h"
#include "tests/app/MainWindowKit.h"

#include <QtTest>

class TestClock : public QObject {
    Q_OBJECT
private slots:
    void dayFirstDateKeepsItsLeadingZero()
    {
        QCOMPARE(UserShortDateFormat(), QStringLiteral("dd/MM/yyyy")); // main() chose en_GB
        FakeClock clock(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0)));
        TTlo tlo;
        QStringList ticks;
        connect(
            &tlo, &TTlo::Tick, this, [&ticks](const QString& text) { ticks << text; }, Qt::QueuedConnection);
        tlo.start();
        QTRY_VERIFY_WITH_TIMEOUT(!ticks.isEmpty(), 3000);
        tlo.Stop();
        QVERIFY(tlo.wait(3000));
        QCOMPARE(ticks.first(), QStringLiteral("08/12/2026 10:00:00"));
    }
};

int main(int argc, char** argv)
{
    // The user's formats are read from the environment when first asked for.
    qputenv("LC_ALL", "en_GB.UTF-8");
    QCoreApplication app(argc, argv);
    TestClock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_clock.moc"

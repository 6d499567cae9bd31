// The clock thread under a day-first locale: the label gets the user's date
// as the locale writes it, from the clock service's time; each second shows
// once, as it begins, and the thread sleeps in between.
#include "app/TTlo.h"
#include "tests/app/MainWindowKit.h"

#include <QtTest>

namespace {

// A clock that starts at a chosen moment, runs at real speed and can be set
// forward or back while the clock thread reads it.
class ShiftableClock final : public ClockService {
public:
    explicit ShiftableClock(const QDateTime& start)
        : m_start(start)
    {
        m_elapsed.start();
        platform::SetClock(this);
    }
    ~ShiftableClock() override { platform::SetClock(nullptr); }

    QDateTime Now() const override
    {
        QMutexLocker lock(&m_mutex);
        return m_start.addMSecs(m_elapsed.elapsed());
    }
    void Shift(qint64 msecs)
    {
        QMutexLocker lock(&m_mutex);
        m_start = m_start.addMSecs(msecs);
    }

private:
    mutable QMutex m_mutex;
    QDateTime m_start;
    QElapsedTimer m_elapsed;
};

} // namespace

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

    // Each row starts half a second into a second, so that a thread that
    // merely slept a second at a time would show each one half a second
    // late.
    void eachSecondIsShownOnceAsItBegins_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("shiftAfterFirstTick"); // seconds
        QTest::addColumn<QStringList>("shown");
        const QDate day(2026, 12, 8);
        QTest::newRow("across midnight") << QDateTime(day, QTime(23, 59, 58, 500)) << 0
                                         << QStringList{"08/12/2026 23:59:58", "08/12/2026 23:59:59",
                                                        "09/12/2026 00:00:00"};
        // The wait for 10:00:01 would otherwise last an hour.
        QTest::newRow("clock set back an hour")
            << QDateTime(day, QTime(10, 0, 0, 500)) << -3600
            << QStringList{"08/12/2026 10:00:00", "08/12/2026 09:00:01", "08/12/2026 09:00:02"};
    }

    void eachSecondIsShownOnceAsItBegins()
    {
        QFETCH(QDateTime, start);
        QFETCH(int, shiftAfterFirstTick);
        QFETCH(QStringList, shown);
        ShiftableClock clock(start);
        TTlo tlo;
        QStringList ticks;
        QList<int> msecsIntoSecond;
        connect(
            &tlo, &TTlo::Tick, this,
            [&](const QString& text) {
                ticks << text;
                msecsIntoSecond << clock.Now().time().msec();
                if (ticks.size() == 1)
                    clock.Shift(shiftAfterFirstTick * 1000LL);
            },
            Qt::QueuedConnection);
        tlo.start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= shown.size(), 5000);
        tlo.Stop();
        QVERIFY(tlo.wait(3000));
        QCOMPARE(ticks.mid(0, shown.size()), shown);
        for (int i = 1; i < shown.size(); ++i)
            QVERIFY2(msecsIntoSecond[i] < 300,
                     qPrintable(QStringLiteral("%1 shown %2 ms late").arg(ticks[i]).arg(msecsIntoSecond[i])));
    }

    void stopCutsTheSleepShort()
    {
        // On a whole second: the thread has a full second to sleep.
        ShiftableClock clock(QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0)));
        TTlo tlo;
        int ticks = 0;
        connect(
            &tlo, &TTlo::Tick, this, [&ticks] { ++ticks; }, Qt::QueuedConnection);
        tlo.start();
        QTRY_VERIFY_WITH_TIMEOUT(ticks > 0, 3000);
        QElapsedTimer stopping;
        stopping.start();
        tlo.Stop();
        QVERIFY(tlo.wait(3000));
        QVERIFY2(stopping.elapsed() < 300, qPrintable(QStringLiteral("took %1 ms").arg(stopping.elapsed())));
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

// The clock thread: at each change of the second it formats the date and
// time and hands the text to the GUI thread for the clock label; in between
// it sleeps.
#pragma once

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

// The clock's text: the short date, a space, the long time. When the date
// format starts with a two-digit year, "20" goes in front of a date that
// begins with "0", so the year 05 reads 2005; a day or month first is left
// alone.
QString ClockText(const QDateTime& now, const QString& shortDateFormat, const QString& longTimeFormat);

// The user's formats. The long time format loses its time-zone part, which
// the desktop's clock format does not show either.
QString UserShortDateFormat();
QString UserLongTimeFormat();

class TTlo : public QThread {
    Q_OBJECT
public:
    using QThread::QThread;

    // Asks the thread to end and cuts its wait short; does not wait for it.
    void Stop();

signals:
    // Emitted from the clock thread once for each second the clock shows;
    // connect with a queued connection.
    void Tick(const QString& text);

protected:
    void run() override;

private:
    // Sleeps until the clock service's time reaches the next whole second
    // after shown. False when Stop() ended the wait.
    bool WaitForSecondAfter(const QDateTime& shown);

    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopFlag = false; // guarded by m_mutex
};

// The clock thread: once a second it formats the date and time and hands the
// text to the GUI thread for the clock label.
#pragma once

#include <QDateTime>
#include <QString>
#include <QThread>

#include <atomic>

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

    // Asks the thread to end after its current wait; does not wait for it.
    void Stop() { m_stopFlag = true; }

signals:
    // Emitted from the clock thread; connect with a queued connection.
    void Tick(const QString& text);

protected:
    void run() override;

private:
    // Waits until the clock has moved on by one second, blocking nothing
    // but this thread.
    void WaitSeconds(int seconds);

    std::atomic<bool> m_stopFlag{false};
};

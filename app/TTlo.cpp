#include "app/TTlo.h"

#include "platform/Platform.h"

#include <QLocale>

namespace {

// "yy" but not "yyyy" as the format's first field.
bool StartsWithTwoDigitYear(const QString& format)
{
    return format.startsWith(QLatin1String("yy")) && !format.startsWith(QLatin1String("yyy"));
}

} // namespace

QString ClockText(const QDateTime& now, const QString& shortDateFormat, const QString& longTimeFormat)
{
    QString date = QLocale::system().toString(now.date(), shortDateFormat);
    if (StartsWithTwoDigitYear(shortDateFormat) && date.startsWith(QLatin1Char('0')))
        date.prepend(QStringLiteral("20"));
    return date + QLatin1Char(' ') + QLocale::system().toString(now.time(), longTimeFormat);
}

QString UserShortDateFormat() { return QLocale::system().dateFormat(QLocale::ShortFormat); }

QString UserLongTimeFormat()
{
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

void TTlo::Stop()
{
    QMutexLocker lock(&m_mutex);
    m_stopFlag = true;
    m_wake.wakeAll();
}

void TTlo::run()
{
    const QString dateFormat = UserShortDateFormat();
    const QString timeFormat = UserLongTimeFormat();
    QString shownText;
    QDateTime now = platform::Clock().Now();
    while (true) {
        // A wake-up a hair early, or a clock set back, must not show a
        // second twice.
        const QString text = ClockText(now, dateFormat, timeFormat);
        if (text != shownText) {
            shownText = text;
            emit Tick(text);
        }
        if (!WaitForSecondAfter(now))
            return;
        now = platform::Clock().Now();
    }
}

bool TTlo::WaitForSecondAfter(const QDateTime& shown)
{
    const QDateTime next = shown.addMSecs(1000 - shown.time().msec());
    QMutexLocker lock(&m_mutex);
    while (!m_stopFlag) {
        const qint64 left = platform::Clock().Now().msecsTo(next);
        // More than a second to go means the clock was set back: the time
        // is shown anew rather than waited for.
        if (left <= 0 || left > 1000)
            return true;
        m_wake.wait(&m_mutex, QDeadlineTimer(left, Qt::PreciseTimer));
    }
    return false;
}

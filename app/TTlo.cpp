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

void TTlo::run()
{
    const QString dateFormat = UserShortDateFormat();
    const QString timeFormat = UserLongTimeFormat();
    while (true) {
        emit Tick(ClockText(platform::Clock().Now(), dateFormat, timeFormat));
        WaitSeconds(1);
        if (m_stopFlag)
            return;
    }
}

void TTlo::WaitSeconds(int seconds)
{
    const QDateTime t0 = platform::Clock().Now();
    while (platform::Clock().Now() <= t0.addSecs(seconds))
        QThread::msleep(20);
}

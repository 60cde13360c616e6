#include "export/webvtttime.h"

#include <cmath>

QString webVttTime(double seconds)
{
    const qint64 milliseconds = std::llround(std::max(0.0, seconds) * 1000);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(milliseconds / 3'600'000, 2, 10, QLatin1Char('0'))
        .arg(milliseconds / 60'000 % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

QString webVttCueText(QString text)
{
    return text.replace(u'&', QStringLiteral("&amp;")).replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

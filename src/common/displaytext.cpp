#include "common/displaytext.h"

#include "common/numbertext.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <iterator>

QString formatDuration(double seconds)
{
    const qint64 whole = saturatingInt64(seconds);
    const double fraction = std::isfinite(seconds) ? std::fmod(seconds, 1.0) : 0.0;
    const qint64 milliseconds = saturatingInt64(fraction * 1000);
    return QString::asprintf("%02lld:%02lld:%02lld.%03lld", whole / 3600, (whole / 60) % 60,
                             whole % 60, milliseconds);
}

QString byteCountText(quint64 bytes)
{
    const QLocale locale;
    if (bytes < 1000)
        return QCoreApplication::translate("Display", "%n byte(s)", nullptr, int(bytes));
    // Round to one decimal first, then pick the unit: 999,950 bytes are 1.0 MB,
    // never 1,000.0 kB.
    static constexpr const char *units[] = {
        QT_TRANSLATE_NOOP("Display", "kB"), QT_TRANSLATE_NOOP("Display", "MB"), QT_TRANSLATE_NOOP("Display", "GB"),
        QT_TRANSLATE_NOOP("Display", "TB"), QT_TRANSLATE_NOOP("Display", "PB"), QT_TRANSLATE_NOOP("Display", "EB")};
    double value = double(bytes) / 1000;
    std::size_t unit = 0;
    while (std::round(value * 10) / 10 >= 1000 && unit + 1 < std::size(units)) {
        value /= 1000;
        ++unit;
    }
    return QCoreApplication::translate("Display", "%1 %2", "a number and its unit: 8.5 MB")
        .arg(locale.toString(value, 'f', 1), QCoreApplication::translate("Display", units[unit]));
}

QString bitrateText(qint64 bitsPerSecond)
{
    return shortestDoubleText(double(bitsPerSecond) / 1000.0) + QStringLiteral("kbps");
}

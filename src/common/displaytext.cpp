#include "common/displaytext.h"

#include "common/numbertext.h"

#include <QLocale>

#include <cmath>

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
    const qint64 size = bytes > quint64(std::numeric_limits<qint64>::max())
        ? std::numeric_limits<qint64>::max()
        : qint64(bytes);
    return QLocale().formattedDataSize(size, 1, QLocale::DataSizeSIFormat);
}

QString bitrateText(qint64 bitsPerSecond)
{
    return shortestDoubleText(double(bitsPerSecond) / 1000.0) + QStringLiteral("kbps");
}

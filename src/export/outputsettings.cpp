#include "export/outputsettings.h"

#include "common/displaytext.h"
#include "common/numbertext.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Twice the rounded half: always even, halves rounded away from zero.
qint64 evenSide(double side, double percent)
{
    return 2 * saturatingInt64(std::round(side * (percent / 100) * 0.5));
}

} // namespace

FrameSize outputFrameSize(const JSON &firstVideoTrackInfo, double percent)
{
    const double width = firstVideoTrackInfo[u"width"].numberValue().toDouble();
    const double height = firstVideoTrackInfo[u"height"].numberValue().toDouble();
    return {evenSide(width, percent), evenSide(height, percent)};
}

QString frameSizeText(FrameSize size)
{
    return QString::number(size.width) + QStringLiteral(" x ") + QString::number(size.height);
}

std::optional<FrameSize> parseFrameSizeText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,9}) x ([0-9]{1,9})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return FrameSize{match.captured(1).toLongLong(), match.captured(2).toLongLong()};
}

qint64 targetSizeBytes(quint64 sourceFileSize, double percent)
{
    return saturatingInt64((percent / 100) * double(sourceFileSize));
}

std::optional<QString> sizeLimitProblem(double bytes, quint64 sourceFileSize)
{
    // A limit over the source acts as the source's own size: the video is never larger anyway.
    const qint64 smallest = std::max<qint64>(targetSizeBytes(sourceFileSize, 1), 1);
    if (bytes >= double(smallest))
        return std::nullopt;
    return QCoreApplication::translate("Export", "Type a size of at least %1: %2 is less than 1 % of the video.")
        .arg(byteCountText(quint64(smallest)), byteCountText(quint64(bytes)));
}

int sizeLimitPercent(double bytes, quint64 sourceFileSize)
{
    if (sourceFileSize == 0)
        return 100;
    return int(std::clamp<double>(std::round(bytes * 100 / double(sourceFileSize)), 1, 100));
}

#include "export/outputsettings.h"

#include "common/numbertext.h"

#include <QRegularExpression>

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

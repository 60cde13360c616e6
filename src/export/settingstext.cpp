#include "export/settingstext.h"

#include "common/numbertext.h"
#include "json/json.h"

#include <QLocale>
#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// "50%" or "50 %": the number before the sign, when the whole text is one.
std::optional<double> percentOf(QStringView text)
{
    if (!text.endsWith(u'%'))
        return std::nullopt;
    return parseDouble(text.chopped(1).trimmed());
}

bool isPlainNumber(QStringView text)
{
    // \\z, not $, which would let a line break through at the end.
    static const QRegularExpression pattern(QStringLiteral("^[0-9]+(\\.[0-9]+)?\\z"));
    return pattern.match(text).hasMatch();
}

} // namespace

std::optional<SizeSetting> parseSizeSetting(QStringView text)
{
    text = text.trimmed();
    if (const std::optional<double> percent = percentOf(text)) {
        if (*percent > 0 && *percent <= 100)
            return SizeSetting{SizeSetting::Kind::Share, *percent};
        return std::nullopt;
    }
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?) ?(|B|[kKMGT]B?)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString unit = match.captured(2).toUpper();
    const std::optional<double> number = parseDouble(match.capturedView(1));
    double scale = 1;
    if (unit.startsWith(u'K'))
        scale = 1e3;
    else if (unit.startsWith(u'M'))
        scale = 1e6;
    else if (unit.startsWith(u'G'))
        scale = 1e9;
    else if (unit.startsWith(u'T'))
        scale = 1e12;
    if (!number)
        return std::nullopt;
    const double bytes = std::floor(*number * scale);
    if (!(bytes >= 1) || bytes > 9e15)
        return std::nullopt;
    return SizeSetting{SizeSetting::Kind::Bytes, bytes};
}

std::optional<FrameSizeSetting> parseFrameSizeSetting(QStringView text)
{
    text = text.trimmed();
    if (const std::optional<double> percent = percentOf(text)) {
        if (*percent > 0 && *percent <= 100)
            return FrameSizeSetting{*percent, {}};
        return std::nullopt;
    }
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5}) ?[xX×] ?([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const FrameSize size{match.captured(1).toLongLong(), match.captured(2).toLongLong()};
    if (size.isEmpty())
        return std::nullopt;
    return FrameSizeSetting{std::nullopt, size};
}

std::optional<int> frameSizePercent(const JSON &firstVideoTrackInfo, FrameSize size)
{
    for (int percent = 1; percent <= 100; ++percent) {
        if (outputFrameSize(firstVideoTrackInfo, percent) == size)
            return percent;
    }
    return std::nullopt;
}

namespace {

double secondsAt(const PositionSetting &position, double duration)
{
    return position.kind == PositionSetting::Kind::Share ? duration * position.value / 100 : position.value;
}

} // namespace

KeptPart keptPart(const std::optional<PositionSetting> &start, const std::optional<PositionSetting> &end, double duration,
                  double shortest)
{
    KeptPart part;
    part.start = start ? secondsAt(*start, duration) : 0;
    // An end past the video is the video's end, as the end slider's far right is.
    const double last = end ? std::min(secondsAt(*end, duration), duration) : duration;
    if (part.start >= last)
        part.problem = QCoreApplication::translate("Export", "The start %1 is not before the end %2.").arg(clockText(part.start, true), clockText(last, true));
    else if (last - part.start < shortest)
        part.problem = QCoreApplication::translate("Export", "The part from %1 to %2 is shorter than one frame (%3 s).")
                           .arg(clockText(part.start, true), clockText(last, true), QLocale().toString(shortest, 'f', 3));
    if (end && last < duration)
        part.end = last;
    return part;
}

std::optional<PositionSetting> parsePositionSetting(QStringView text)
{
    text = text.trimmed();
    if (const std::optional<double> percent = percentOf(text)) {
        if (*percent >= 0 && *percent <= 100)
            return PositionSetting{PositionSetting::Kind::Share, *percent};
        return std::nullopt;
    }
    const QList<QStringView> parts = text.split(u':');
    if (parts.size() > 3)
        return std::nullopt;
    double seconds = 0;
    for (qsizetype index = 0; index < parts.size(); ++index) {
        const QStringView part = parts.at(index);
        const bool last = index == parts.size() - 1;
        if (!isPlainNumber(part) || (!last && part.contains(u'.')))
            return std::nullopt;
        const std::optional<double> value = parseDouble(part);
        if (!value || (index > 0 && *value >= 60))
            return std::nullopt;
        seconds = seconds * 60 + *value;
    }
    return PositionSetting{PositionSetting::Kind::Seconds, seconds};
}

QString clockText(double seconds, bool tenths)
{
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    const qint64 tenthsTotal = qint64(std::floor(seconds * 10));
    const qint64 whole = tenthsTotal / 10;
    const QString minutesAndSeconds = QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    QString text = whole >= 3600 ? QStringLiteral("%1:%2").arg(whole / 3600).arg(minutesAndSeconds.rightJustified(5, u'0'))
                                 : QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (tenths)
        text += QLocale().decimalPoint() + QString::number(tenthsTotal % 10);
    return text;
}

QString withDotDecimals(QStringView typed, const QLocale &locale)
{
    QString text = typed.toString();
    const QString decimalPoint = locale.decimalPoint();
    if (decimalPoint != u".")
        text.replace(decimalPoint, QStringLiteral("."));
    // The units as byte counts are shown in this language: "8,5 Mo" in French.
    for (const char *unit : {"kB", "MB", "GB"}) {
        const QString shown = QCoreApplication::translate("Display", unit);
        if (shown != QLatin1StringView(unit))
            text.replace(shown, QLatin1StringView(unit), Qt::CaseInsensitive);
    }
    return text;
}

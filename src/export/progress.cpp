#include "export/progress.h"

#include "common/diagnostics.h"
#include "common/numbertext.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace Utils {

QStringList matches(QStringView pattern, const QString &text)
{
    const QRegularExpression expression(pattern.toString());
    if (!expression.isValid()) {
        writeDiagnosticLine(QStringLiteral("invalid regex: ") + expression.errorString());
        return {};
    }
    QStringList found;
    for (QRegularExpressionMatchIterator it = expression.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    return found;
}

std::optional<double> secondsFromTimestamp(const QString &timestamp)
{
    const QStringList parts = timestamp.split(u'.', Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return std::nullopt;
    const QStringList clock = parts.first().split(u':', Qt::SkipEmptyParts);
    if (clock.size() < 3)
        return std::nullopt;
    const std::optional<double> hours = parseDouble(clock.first());
    const std::optional<double> minutes = parseDouble(clock.at(1));
    const std::optional<double> seconds = parseDouble(clock.last());
    const std::optional<double> hundredths = parseDouble(parts.last());
    if (!hours || !minutes || !seconds || !hundredths)
        return std::nullopt;
    return *hours * 3600 + (*minutes * 60 + (*hundredths / 100 + *seconds));
}

} // namespace Utils

std::optional<double> progressPercent(const QByteArray &chunk, double duration)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(chunk);
    if (decoder.hasError() || !std::isfinite(duration) || duration <= 0)
        return std::nullopt;

    // The first chunk still holds the input's header ("Duration: ...", creation
    // times): only the position right after the last usable "time=" counts.
    static const QRegularExpression position(QStringLiteral("time=") + Utils::timestampPattern.toString());
    qsizetype from = text.size();
    while ((from = text.lastIndexOf(u"time=", from - 1)) >= 0) {
        const QRegularExpressionMatch match =
            position.match(text, from, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (match.hasMatch()) {
            const std::optional<double> seconds = Utils::secondsFromTimestamp(match.captured(0).sliced(5));
            if (!seconds)
                return std::nullopt;
            return std::clamp(*seconds / duration * 100, 0.0, 100.0);
        }
        if (from == 0)
            break;
    }
    return std::nullopt;
}

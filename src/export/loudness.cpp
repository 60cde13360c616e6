#include "export/loudness.h"

#include "common/diagnostics.h"
#include "common/numbertext.h"
#include "tools/mediatools.h"
#include "tools/toolrun.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace Loudness {

std::optional<Measure> parseSummary(const QString &messages)
{
    const qsizetype summary = messages.lastIndexOf(QStringLiteral("Summary:"));
    if (summary < 0)
        return std::nullopt;
    static const QRegularExpression integrated(QStringLiteral("I:\\s+(-?[0-9.]+|-inf) LUFS"));
    static const QRegularExpression peak(QStringLiteral("Peak:\\s+(-?[0-9.]+|-inf) dBFS"));
    const QString tail = messages.mid(summary);
    const QRegularExpressionMatch loudness = integrated.match(tail);
    const QRegularExpressionMatch truePeak = peak.match(tail);
    if (!loudness.hasMatch() || !truePeak.hasMatch())
        return std::nullopt;
    const auto value = [](const QString &text) { return text == u"-inf" ? -HUGE_VAL : text.toDouble(); };
    return Measure{value(loudness.captured(1)), value(truePeak.captured(1))};
}

std::optional<Measure> measure(const QStringList &input, const QString &map, const std::atomic<bool> *cancelled)
{
    ToolRun::Options options;
    options.timeLimit = measureTimeLimit;
    options.cancelled = cancelled;
    options.errorsAsOutput = true; // the meter's summary is among the encoder's messages
    const ToolRun::Result result = ToolRun::run(
        MediaTools::resourcePath(MediaTools::encoderName).value_or(QString()),
        QStringList{QStringLiteral("-nostats"), QStringLiteral("-hide_banner")} + input
            + QStringList{QStringLiteral("-map"), map, QStringLiteral("-vn"), QStringLiteral("-sn"), QStringLiteral("-dn"),
                          QStringLiteral("-af"), QStringLiteral("ebur128=peak=true"), QStringLiteral("-f"),
                          QStringLiteral("null"), QStringLiteral("-")},
        options);
    if (!result.succeeded())
        return std::nullopt;
    return parseSummary(QString::fromUtf8(result.output));
}

namespace {

// The meter reads -70 LUFS, its floor, for digital silence.
bool isSilent(const Measure &measure)
{
    return !std::isfinite(measure.integrated) || !std::isfinite(measure.truePeak) || measure.integrated <= silenceBelow;
}

} // namespace

std::optional<Correction> firstCorrection(const Measure &source)
{
    if (isSilent(source))
        return std::nullopt;
    return Correction{target - source.integrated, firstLimit};
}

std::optional<Correction> nextCorrection(const Correction &last, const Measure &measured)
{
    const bool loudEnough = std::abs(measured.integrated - target) <= tolerance;
    const bool peaksKept = measured.truePeak <= peakCeiling;
    if ((loudEnough && peaksKept) || isSilent(measured))
        return std::nullopt;
    Correction next = last;
    next.gain += target - measured.integrated;
    if (!peaksKept)
        next.limit -= measured.truePeak - peakCeiling + 0.3; // the peaks between samples went over by that much
    return next;
}

std::optional<Correction> followUp(const Correction &last, const std::optional<Measure> &measured, int correctionsMade)
{
    if (!measured || correctionsMade >= mostCorrections)
        return std::nullopt;
    return nextCorrection(last, *measured);
}

QString filters(const Correction &correction, std::optional<int> sourceRate)
{
    // The limiter looks ahead 5 ms, lets go over 50 ms, and keeps the audio in step with the picture.
    const double limit = std::clamp(std::pow(10.0, correction.limit / 20), 0.0625, 1.0);
    QString chain = QStringLiteral("volume=%1dB,alimiter=limit=%2:attack=5:release=50:level=false:latency=true")
                        .arg(shortestDoubleText(std::round(correction.gain * 100) / 100),
                             shortestDoubleText(std::round(limit * 10000) / 10000));
    if (sourceRate && *sourceRate > highestRate)
        chain += QStringLiteral(",aresample=%1").arg(highestRate);
    return chain;
}

std::optional<QString> Runs::sourceMeasured(const std::optional<Measure> &source)
{
    if (source) {
        m_correction = firstCorrection(*source);
        writeDiagnosticLine(QStringLiteral("Loudness: the source at %1 LUFS, peaks %2 dBTP").arg(source->integrated).arg(source->truePeak));
    }
    if (!m_correction) {
        writeDiagnosticLine(QStringLiteral("Loudness: the sound is left as it is"));
        return std::nullopt;
    }
    return filters(*m_correction, m_sourceRate);
}

std::optional<QString> Runs::audioMeasured(const std::optional<Measure> &written)
{
    if (written)
        writeDiagnosticLine(QStringLiteral("Loudness: the audio at %1 LUFS, peaks %2 dBTP").arg(written->integrated).arg(written->truePeak));
    const std::optional<Correction> next = m_correction ? followUp(*m_correction, written, m_corrections) : std::nullopt;
    if (!next)
        return std::nullopt;
    ++m_corrections;
    m_correction = next;
    return filters(*next, m_sourceRate);
}

} // namespace Loudness

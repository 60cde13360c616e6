#include "export/sharpness.h"

#include "tools/mediatools.h"
#include "tools/toolrun.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// SSIM in the diagnostics, and compared, at the four decimals a person is shown.
QString ssimText(double ssim)
{
    return QString::number(ssim, 'f', 4);
}

double shownSsim(double ssim)
{
    return std::round(ssim * 10'000) / 10'000;
}

std::optional<double> meanOf(const QString &report, QStringView filter)
{
    // "[ssim@av1 @ 0x5581…] SSIM Y:0.972487 (15.6) U:… All:0.977394 (16.457852)"
    const QRegularExpression line(QStringLiteral(R"(\[ssim@%1 @ [^\]]*\] SSIM .*All:([0-9.]+))").arg(filter));
    std::optional<double> mean;
    for (auto match = line.globalMatch(report); match.hasNext();) {
        bool read = false;
        const double value = match.next().captured(1).toDouble(&read);
        mean = read && value >= 0 && value <= 1 ? std::optional(value) : std::nullopt;
    }
    return mean;
}

} // namespace

QStringList sharpnessArguments(const EncoderInputs &inputs, const QString &h264Path, const QString &av1Path)
{
    // The time bases differ between the source and the files; the comparison
    // pairs frames by time, so all three are read in one.
    const QString source = QStringLiteral("[0:") + (*inputs.firstVideoTrackInfo)[u"index"].stringValue() + u']'
        + videoFilterChain(inputs) + QStringLiteral(",format=yuv420p,settb=AVTB,split[h264source][av1source]");
    const QString graph = source
        + QStringLiteral(";[1:v:0]settb=AVTB[h264];[h264][h264source]ssim@h264[h264compared]"
                         ";[2:v:0]settb=AVTB[av1];[av1][av1source]ssim@av1[av1compared]");
    return QStringList{QStringLiteral("-nostats"), QStringLiteral("-hide_banner")} + sourceInputArguments(inputs)
        + QStringList{QStringLiteral("-i"), h264Path, QStringLiteral("-i"), av1Path, QStringLiteral("-filter_complex"),
                      graph, QStringLiteral("-map"), QStringLiteral("[h264compared]"), QStringLiteral("-f"),
                      QStringLiteral("null"), QStringLiteral("-"), QStringLiteral("-map"),
                      QStringLiteral("[av1compared]"), QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")};
}

Sharpness readSharpness(const QString &report)
{
    return {meanOf(report, u"h264"), meanOf(report, u"av1"), {}};
}

Sharpness measureSharpness(const QStringList &arguments, double seconds, const std::atomic<bool> *cancelled)
{
    ToolRun::Options options;
    options.cancelled = cancelled;
    options.errorsAsOutput = true; // the means are among the encoder's messages
    // Decoding three videos takes a small share of what encoding one took.
    options.timeLimit = std::chrono::milliseconds(600'000 + std::llround(std::max(seconds, 0.0) * 2'000));
    const ToolRun::Result result = ToolRun::run(MediaTools::resourcePath(MediaTools::encoderName).value_or(QString()),
                                                arguments, options);
    const QString report = QString::fromUtf8(result.output);
    Sharpness sharpness = readSharpness(report);
    if (!result.succeeded() || !sharpness.measured()) {
        sharpness = {};
        sharpness.failure = result.errorLines.isEmpty() ? QStringLiteral("the comparison gave no figures")
                                                        : QString(result.errorLines).replace(u'\n', u' ');
    }
    return sharpness;
}

Av1Judgement judgeSharpness(const Sharpness &sharpness)
{
    if (!sharpness.measured()) {
        return {true, {}, QStringLiteral("AV1 version kept unmeasured, its size and playback checked: ") + sharpness.failure};
    }
    const QString figures = QStringLiteral("SSIM %1 against %2").arg(ssimText(*sharpness.av1), ssimText(*sharpness.h264));
    if (shownSsim(*sharpness.av1) > shownSsim(*sharpness.h264))
        return {true, {}, QStringLiteral("AV1 version sharper: ") + figures};
    return {false,
            QCoreApplication::translate("Export", "The AV1 version was no sharper than the H.264 one (SSIM %1 against %2), so the page offers "
                           "the H.264 video alone.")
                .arg(QLocale().toString(*sharpness.av1, 'f', 4), QLocale().toString(*sharpness.h264, 'f', 4)),
            QStringLiteral("AV1 version no sharper: ") + figures};
}

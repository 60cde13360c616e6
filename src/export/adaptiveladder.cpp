#include "export/adaptiveladder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace AdaptiveLadder {

namespace {

constexpr double shares[] = {0.5, 0.25, 0.125};
// Below this a frame's picture is too small to be worth a quality of its own.
constexpr qint64 smallestTopPixels = 320 * 180;

qint64 evenSide(double side)
{
    return std::max<qint64>(2, 2 * std::llround(side / 2));
}

// Stereo while the sound can have a fair share of the rate, then mono.
Quality withAudio(Quality quality, double totalKilobits)
{
    const double audio = std::clamp(std::round(totalKilobits * 0.15), 24.0, 128.0);
    quality.audioKilobits = audio;
    quality.audioChannels = audio < 80 ? 1 : 2;
    quality.videoKilobits = totalKilobits - audio;
    return quality;
}

} // namespace

QString qualityName(FrameSize frame)
{
    return QString::number(frame.height) + u'p';
}

int keyFrameInterval(std::optional<double> frameRate)
{
    const double rate = frameRate && *frameRate > 0 && *frameRate <= 240 ? *frameRate : 30;
    return std::max(1, int(std::lround(rate * segmentSeconds)));
}

Plan plan(FrameSize top, double topKilobits, std::optional<double> seconds, bool hasAudio)
{
    Plan plan;
    if (!seconds || *seconds < shortestSeconds) {
        plan.skipCode = QStringLiteral("adaptiveTooShort");
        plan.skipReason = QCoreApplication::translate(
            "Export", "The video is shorter than %n seconds: it plays well enough as one file.", nullptr,
            int(shortestSeconds));
        return plan;
    }
    if (topKilobits < lowestTopKilobits) {
        plan.skipCode = QStringLiteral("adaptiveTooLow");
        plan.skipReason = QCoreApplication::translate(
            "Export", "The video needs less than %1 kb/s: it plays well enough as one file on slow connections.")
                              .arg(lowestTopKilobits);
        return plan;
    }
    if (top.width * top.height < smallestTopPixels) {
        plan.skipCode = QStringLiteral("adaptiveTooSmall");
        plan.skipReason = QCoreApplication::translate(
            "Export", "The frame is smaller than 320 x 180: there is no smaller quality worth making.");
        return plan;
    }
    for (const double share : shares) {
        const double scale = std::sqrt(share);
        Quality quality;
        quality.frame = {evenSide(double(top.width) * scale), evenSide(double(top.height) * scale)};
        quality.name = qualityName(quality.frame);
        const double total = topKilobits * share;
        if (hasAudio) {
            quality = withAudio(quality, total);
        } else {
            quality.videoKilobits = total;
        }
        plan.lower << quality;
    }
    return plan;
}

} // namespace AdaptiveLadder

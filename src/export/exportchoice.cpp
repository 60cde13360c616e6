#include "export/exportchoice.h"

#include <QCoreApplication>

#include "export/encoderarguments.h"
#include "export/exportpreflight.h"
#include "export/outputsettings.h"
#include "export/posterframe.h"
#include "probe/acceptance.h"
#include "probe/fileprobe.h"
#include "probe/framerate.h"

#include <algorithm>
#include <cmath>

namespace {

// Less than this is no clip where the source names no frame rate: a frame at 25 frames a second.
constexpr double defaultFrameSeconds = 0.04;

std::optional<QString> frameSizeRefusal(const ExportChoice &choice, const JSON &video, FrameSize size)
{
    if (!choice.frameSize.percent && !frameSizePercent(video, size)) {
        return QCoreApplication::translate("Export", "%1 is not a frame size of this video, which keeps its shape: %2 (100 %), %3 (50 %) ...")
            .arg(frameSizeText(size), frameSizeText(outputFrameSize(video, 100)), frameSizeText(outputFrameSize(video, 50)));
    }
    if (size.isEmpty())
        return QCoreApplication::translate("Export", "The frame size %1 holds no picture.").arg(frameSizeText(size));
    return std::nullopt;
}

std::optional<QString> posterRefusal(const ExportChoice &choice, const ExportRequest &request, double duration)
{
    if (duration <= 0)
        return std::nullopt;
    if (choice.poster.kind == PositionSetting::Kind::Seconds && request.posterSeconds > duration) {
        return QCoreApplication::translate("Export", "The poster's time %1 lies past the end of the video (%2).")
            .arg(clockText(request.posterSeconds, true), clockText(duration, true));
    }
    const double end = request.endSeconds.value_or(duration);
    if (request.posterSeconds < request.startSeconds || request.posterSeconds > end) {
        return QCoreApplication::translate("Export", "The poster's time %1 lies outside the part kept (%2 – %3).")
            .arg(clockText(request.posterSeconds, true), clockText(request.startSeconds, true), clockText(end, true));
    }
    return std::nullopt;
}

ChosenExport refused(const QString &reason)
{
    return {std::nullopt, reason};
}

} // namespace

std::optional<QString> ChosenExport::refusalBeforeWriting() const
{
    if (!request)
        return refusal;
    return exportRefusal(*request);
}

double frameSeconds(const FileProbe &probe)
{
    const JSON video = probe.firstVideoTrackInfo.value_or(JSON());
    const std::optional<double> rate = rateOfFraction(video[u"avg_frame_rate"].stringValue());
    if (!rate || !std::isfinite(*rate) || *rate < 1 || *rate > 1000)
        return defaultFrameSeconds;
    return 1 / *rate;
}

double limitTargetBytes(double limit, quint64 sourceBytes)
{
    return sourceBytes > 0 ? std::min(limit, double(sourceBytes)) : limit;
}

quint64 keptSourceBytes(quint64 fileSize, double keptShare)
{
    return keptShare >= 1 ? fileSize : quint64(std::llround(double(fileSize) * keptShare));
}

bool makesAv1Version(const ExportChoice &choice)
{
    return choice.av1Version && !choice.minimalPage;
}

QString noAv1WithMinimalPage()
{
    return QCoreApplication::translate("Export", "The minimal page names one video without its codecs, so no AV1 version is made for it.");
}

std::optional<QString> choiceProblem(const FileProbe &probe, const ExportChoice &choice)
{
    const double duration = probe.duration;
    const KeptPart part = keptPart(choice.start, choice.end, duration, frameSeconds(probe));
    if (!part.problem.isEmpty() && duration > 0)
        return part.problem;
    if (choice.size.kind == SizeSetting::Kind::Bytes && duration > 0) {
        // The target slider's left end: a limit under 1 % of the part kept would only spoil the picture.
        const double keptShare = (part.end.value_or(duration) - part.start) / duration;
        return sizeLimitProblem(choice.size.value, keptSourceBytes(probe.fileSize.value_or(0), keptShare));
    }
    return std::nullopt;
}

ChosenExport chooseExport(const QString &sourcePath, std::shared_ptr<const FileProbe> probe, const ExportChoice &choice,
                          const QString &folder)
{
    if (const std::optional<QString> refusal = refusalWithDetails(sourcePath, *probe))
        return refused(*refusal);
    const JSON video = probe->firstVideoTrackInfo.value_or(JSON());
    const double duration = probe->duration;
    ExportRequest request;
    request.sourcePath = sourcePath;
    request.folder = folder;
    request.frameSize = choice.frameSize.percent ? outputFrameSize(video, *choice.frameSize.percent) : choice.frameSize.size;
    if (const std::optional<QString> refusal = frameSizeRefusal(choice, video, request.frameSize))
        return refused(*refusal);

    if (const std::optional<QString> problem = choiceProblem(*probe, choice))
        return refused(*problem);
    const KeptPart part = keptPart(choice.start, choice.end, duration, frameSeconds(*probe));
    request.startSeconds = part.start;
    request.endSeconds = part.end;
    const double kept = part.end.value_or(duration) - part.start;
    const double keptShare = duration > 0 ? kept / duration : 1;

    // 100 % is the source's size for the part kept, so a share gives the whole video's rates;
    // a limit above that size would only inflate the video past its source.
    const quint64 fileSize = probe->fileSize.value_or(0);
    if (choice.size.kind == SizeSetting::Kind::Share) {
        request.targetBytes = targetBytesForShare(fileSize, choice.size.value) * keptShare;
    } else {
        request.targetBytes = limitTargetBytes(choice.size.value, keptSourceBytes(fileSize, keptShare));
        request.targetIsCeiling = true;
    }

    // Inside a part kept, the poster is the frame at its own time.
    request.posterAtExactTime = part.start > 0 || part.end;
    request.posterSeconds = choice.poster.kind == PositionSetting::Kind::Share
        ? part.start + PosterFrame::positionSeconds(kept, choice.poster.value)
        : choice.poster.value;
    if (const std::optional<QString> refusal = posterRefusal(choice, request, duration))
        return refused(*refusal);

    request.pageOptions = choice.page;
    request.minimalPage = choice.minimalPage;
    request.fastStart = choice.fastStart;
    request.adaptive = choice.adaptive;
    request.approximateSize = choice.approximateSize;
    request.av1Version = makesAv1Version(choice);
    request.evenLoudness = choice.evenLoudness;
    request.webPlayer = choice.webPlayer;
    request.thumbnails = choice.thumbnails;
    request.probe = std::move(probe);
    return {std::move(request), {}};
}

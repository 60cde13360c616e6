#include "export/av1steps.h"

#include "common/displaytext.h"
#include "export/encoderarguments.h"

Av1Step firstAv1Step(const Av1Start &start)
{
    if (!start.singleRunKilobits || !start.hasVideo)
        return Av1Step::drop(QStringLiteral("The video's duration is unknown, so no rate could be given to the AV1 encoder."));
    if (start.frameSize.width < av1SmallestSide || start.frameSize.height < av1SmallestSide) {
        return Av1Step::drop(QStringLiteral("SVT-AV1 makes no video smaller than %1 x %1 pixels; this one is %2.")
                                 .arg(av1SmallestSide)
                                 .arg(frameSizeText(start.frameSize)));
    }
    // The exact size knows what the audio and the container take; one run takes the single run's rate.
    if (start.fixedBytes > 0)
        return Av1Step::run(firstAv1Kilobits(start.targetBytes, start.fixedBytes, start.duration));
    return Av1Step::run(*start.singleRunKilobits);
}

Av1Step nextAv1Step(const QList<Pass> &runs, bool lastEndedNormally, const QString &lastErrorLines, qint64 targetBytes,
                    qint64 fixedBytes, bool approximateSize)
{
    if (!lastEndedNormally) {
        if (lastErrorLines.isEmpty())
            return Av1Step::drop(QStringLiteral("The AV1 encoder stopped."));
        return Av1Step::drop(QStringLiteral("The AV1 encoder stopped:\n") + lastErrorLines);
    }
    if (approximateSize)
        return Av1Step::keep(runs.size() - 1);
    if (const std::optional<double> next = nextAv1Kilobits(runs, targetBytes, fixedBytes))
        return Av1Step::run(*next);
    if (const std::optional<qsizetype> kept = keptAv1Run(runs, targetBytes))
        return Av1Step::keep(*kept);
    return Av1Step::drop(QStringLiteral("The AV1 version could not be made as small as %1: it came to %2.")
                             .arg(byteCountText(quint64(targetBytes)), byteCountText(quint64(runs.isEmpty() ? 0 : runs.last().writtenBytes))));
}

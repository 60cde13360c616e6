#include "export/exportverdict.h"

#include <QCoreApplication>

#include "common/displaytext.h"
#include "export/playability.h"

std::pair<FailureFacts, FolderVerdict> judgeFinishedFolder(FailureFacts facts)
{
    facts.names = folderEntryNames(facts.folder);
    const FolderVerdict verdict =
        judgeFolder(facts.folder, facts.names, facts.encoderEndedNormally, isPlayableVideo, facts.besideVideo);
    // A truncated source encodes "well" to its break: only a look at the video tells.
    if (!verdict.success || facts.sourceEndedEarly)
        observeAfterExport(facts);
    return {facts, verdict};
}

ExportOutcome exportVerdict(const FolderVerdict &verdict, const FailureFacts &observed, const EndFacts &end)
{
    ExportOutcome outcome;
    outcome.entries = verdict.entries;
    outcome.videoBytes = end.videoBytes;
    if (!verdict.success || isCutShort(observed)) {
        outcome.result = ExportOutcome::Result::Failed;
        const Failure failure = end.missingEncoderFolder
            ? Failure{FailureCode::encoderMissing,
                      QCoreApplication::translate("Export", "The encoder (FFmpeg's ffmpeg, as \"creator\") was not found in %1.")
                          .arg(*end.missingEncoderFolder)}
            : explainFailure(observed);
        outcome.reason = failure.text;
        outcome.reasonCode = failure.code;
        return outcome;
    }
    if (end.limitPromised && end.videoBytes > end.targetBytes) {
        outcome.result = ExportOutcome::Result::Failed;
        const QString target = byteCountText(quint64(end.targetBytes));
        const QString written = byteCountText(quint64(end.videoBytes));
        outcome.reasonCode = FailureCode::overLimit;
        outcome.reason = end.fixedBytes > 0
            ? QCoreApplication::translate("Export", "The video could not be made as small as %1: it came to %2. The sound "
                                                    "and the container alone take %3.")
                  .arg(target, written, byteCountText(quint64(end.fixedBytes)))
            : QCoreApplication::translate("Export", "The video could not be made as small as %1: it came to %2.")
                  .arg(target, written);
        return outcome;
    }
    outcome.result = ExportOutcome::Result::Succeeded;
    return outcome;
}

#pragma once

#include "export/exportrequest.h"
#include "export/failurecause.h"
#include "export/folderverdict.h"

#include <QString>

#include <utility>

// Lists and judges the folder of an export whose runs have ended, and where it
// fails or the source ended early, observes why (the disk, the source, the
// video). Blocks while the prober looks at the video.
[[nodiscard]] std::pair<FailureFacts, FolderVerdict> judgeFinishedFolder(FailureFacts facts);

// What the end of an export found besides its folder.
struct EndFacts
{
    std::optional<QString> missingEncoderFolder; // where the encoder was looked for, when it was not found
    qint64 videoBytes = 0;
    qint64 targetBytes = 0;
    bool limitPromised = false; // a limit typed in bytes, kept by the exact size
    qint64 fixedBytes = 0;      // the audio and the container's own bytes, when measured
};

// An export's result and reason, from its folder's verdict, what was observed
// afterwards and what the end found: a folder that fails the verdict or a video
// cut short is a failure (why in words a user can act on, the encoder missing
// first), and so is a video over a promised limit, however it came about.
[[nodiscard]] ExportOutcome exportVerdict(const FolderVerdict &verdict, const FailureFacts &observed, const EndFacts &end);

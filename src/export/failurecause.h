#pragma once

#include "export/failure.h"
#include <QString>
#include <QStringList>

#include <optional>

// What is known of an export once it has ended badly: the encoder's report,
// and what the source, the folder and its disk look like afterwards.
struct FailureFacts
{
    QString sourcePath;
    std::optional<double> sourceSeconds;
    QString folder;
    QStringList names; // the folder's entries
    QStringList besideVideo; // the caption files and the AV1 version the export wrote
    bool encoderEndedNormally = false;
    QString encoderMessage;        // its last lines
    bool sourceEndedEarly = false; // the encoder found the source's data cut short
    qint64 neededBytes = 0;

    // Observed afterwards (observeAfterExport).
    bool sourceReadable = true;
    std::optional<qint64> freeBytes; // on the folder's disk
    qint64 videoBytes = 0;
    std::optional<double> videoSeconds; // of the written video, when it plays
};

// Whether the encoder's last lines say that the disk is full.
[[nodiscard]] bool reportsFullDisk(const QString &encoderMessage);

// Fills the observed facts. Blocks while the prober looks at the video.
void observeAfterExport(FailureFacts &facts);

// Whether the source's data ended well before its stated end, so the video
// written lacks part of it (beyond a second or 2 %: a phone file's last
// damaged frame does not count).
[[nodiscard]] bool isCutShort(const FailureFacts &facts);

// Why the export failed, first in words a user can act on (the disk is full,
// the folder cannot be written, the source is gone or cut short, the encoder
// stopped, a file is missing), then what in the folder is incomplete.
[[nodiscard]] Failure explainFailure(const FailureFacts &facts);

#include "export/failurecause.h"

#include "common/displaytext.h"
#include "export/encoderarguments.h"
#include "export/exportpreflight.h"
#include "export/folderverdict.h"
#include "export/htmlpage.h"
#include "export/playability.h"
#include "export/posterframe.h"
#include "export/settingstext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

// Below this, a disk that refused a write is taken to be full.
constexpr qint64 nearlyFullBytes = 1'000'000;

QString videoPath(const FailureFacts &facts)
{
    return facts.folder + u'/' + videoFileName.toString();
}

bool isDiskFull(const FailureFacts &facts)
{
    return reportsFullDisk(facts.encoderMessage) || (facts.freeBytes && *facts.freeBytes < nearlyFullBytes);
}

bool isFolderUnwritable(const FailureFacts &facts)
{
    return facts.encoderMessage.contains(QStringLiteral("Permission denied"))
        || facts.encoderMessage.contains(QStringLiteral("Read-only file system"));
}

QString sourceName(const FailureFacts &facts)
{
    return QFileInfo(facts.sourcePath).fileName();
}

// The first thing that went wrong, as the user can act on it.
Failure cause(const FailureFacts &facts)
{
    if (!facts.sourceReadable) {
        return QFileInfo::exists(facts.sourcePath)
            ? Failure{FailureCode::sourceUnreadable,
                      QCoreApplication::translate("Export", "“%1” could no longer be read while it was exported.").arg(sourceName(facts))}
            : Failure{FailureCode::sourceGone,
                      QCoreApplication::translate("Export", "“%1” was moved, renamed or deleted while it was exported.").arg(sourceName(facts))};
    }
    if (isDiskFull(facts)) {
        return {FailureCode::diskFull, QCoreApplication::translate("Export", "The disk is full: %1 free, and this export needs about %2. Free some space, "
                              "or choose a smaller size or a folder on another disk.")
            .arg(byteCountText(quint64(std::max<qint64>(facts.freeBytes.value_or(0), 0))),
                 byteCountText(quint64(facts.neededBytes)))};
    }
    if (isFolderUnwritable(facts))
        return {FailureCode::folderUnwritable, QCoreApplication::translate("Export", "The folder %1 cannot be written.").arg(facts.folder)};
    if (isCutShort(facts)) {
        return {FailureCode::sourceCutShort, QCoreApplication::translate("Export", "“%1” cannot be read past %2 of its %3: the file is cut short, as an unfinished "
                              "copy or download is. A complete copy of it will export.")
            .arg(sourceName(facts), clockText(facts.videoSeconds.value_or(0), true),
                 clockText(facts.sourceSeconds.value_or(0), true))};
    }
    return failureReason(facts.names, facts.besideVideo, facts.encoderEndedNormally, facts.encoderMessage);
}

// What the folder holds that is not whole.
QStringList incompleteEntries(const FailureFacts &facts)
{
    QStringList lines;
    const QString video = videoFileName.toString();
    if (facts.names.contains(video) && !facts.videoSeconds) {
        lines << QCoreApplication::translate("Export", "%1 (%2) is incomplete: no player can open it.")
                     .arg(video, byteCountText(quint64(facts.videoBytes)));
    } else if (facts.names.contains(video) && isCutShort(facts)) {
        lines << QCoreApplication::translate("Export", "%1 holds only the first %2.").arg(video, clockText(*facts.videoSeconds, true));
    }
    QStringList missing;
    for (const QString &name : {video, PosterFrame::posterFileName.toString(), pageFileName.toString()}) {
        if (!facts.names.contains(name))
            missing << name;
    }
    for (const QString &name : facts.besideVideo) {
        if (!facts.names.contains(name))
            missing << name;
    }
    if (!missing.isEmpty())
        lines << QCoreApplication::translate("Export", "Missing: %1.").arg(missing.join(QStringLiteral(", ")));
    return lines;
}

} // namespace

bool reportsFullDisk(const QString &encoderMessage)
{
    return encoderMessage.contains(QStringLiteral("No space left on device"));
}

void observeAfterExport(FailureFacts &facts)
{
    QFile source(facts.sourcePath);
    facts.sourceReadable = source.open(QIODevice::ReadOnly);
    const QStorageInfo disk(nearestExistingFolder(facts.folder));
    if (disk.isValid())
        facts.freeBytes = disk.bytesAvailable();
    const QFileInfo video(videoPath(facts));
    facts.videoBytes = video.exists() ? video.size() : 0;
    facts.videoSeconds = video.exists() ? playableVideoSeconds(video.filePath()) : std::nullopt;
}

bool isCutShort(const FailureFacts &facts)
{
    if (!facts.sourceEndedEarly || !facts.sourceSeconds || !facts.videoSeconds)
        return false;
    const double missing = *facts.sourceSeconds - *facts.videoSeconds;
    return missing > std::max(1.0, 0.02 * *facts.sourceSeconds);
}

Failure explainFailure(const FailureFacts &facts)
{
    Failure failure = cause(facts);
    if (facts.names.isEmpty())
        return failure;
    const QStringList incomplete = incompleteEntries(facts);
    if (!incomplete.isEmpty()) {
        failure.text = QCoreApplication::translate("Export", "%1\n\nIn the folder %2: %3")
                           .arg(failure.text, facts.folder, incomplete.join(u' '));
    }
    return failure;
}

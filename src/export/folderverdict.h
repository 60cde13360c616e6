#pragma once

#include "export/failure.h"
#include <QString>
#include <QStringList>

#include <functional>

// How a finished, not cancelled export turned out, judged from its folder.
struct FolderVerdict
{
    bool success = false;
    // folder + "/" + name for every entry, sorted by name: the page comes first.
    QStringList entries;
};

// Success needs an encoder that ended normally, the folder holding exactly the
// video, the poster, the page and the files written beside the video (the
// caption files, the AV1 version), by name, and every ".mp4" among them playable.
[[nodiscard]] FolderVerdict judgeFolder(const QString &folder, QStringList names, bool encoderEndedNormally,
                                        const std::function<bool(const QString &path)> &isPlayable,
                                        const QStringList &captionNames = {});

// The folder's entries, hidden ones included; an empty list and a diagnostic
// line when it cannot be listed.
[[nodiscard]] QStringList folderEntryNames(const QString &folder);

// Why a finished export's folder fails the verdict, in words a user can act on:
// the encoder stopped (with its last lines), the video, the poster or the page
// is missing, the folder holds strangers or lacks a caption file, or the video
// does not play.
[[nodiscard]] Failure failureReason(const QStringList &names, const QStringList &captionNames, bool encoderEndedNormally,
                                    const QString &encoderMessage);

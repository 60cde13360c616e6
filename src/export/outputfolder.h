#pragma once

#include <QString>

#include <optional>

// Why a chosen output path must not be replaced, as the user reads it: it is
// the file-system root, the home folder or one of its ancestors, or it is or
// holds the source video. Compared by what the paths name on disk (device and
// inode), not by their text. Nothing when it may be replaced.
[[nodiscard]] std::optional<QString> replacementRefusal(const QString &path, const QString &sourcePath,
                                                        const QString &homePath);

// Removes whatever is at path (a link itself, never what it points to) and
// creates an empty folder there, with missing parents. Errors are ignored;
// the folder's contents are judged at the end.
void recreateFolder(const QString &path);

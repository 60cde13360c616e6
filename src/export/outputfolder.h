#pragma once

#include <QString>
#include <QStringList>

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

// What a folder is on disk (device and inode), to know it again later whatever
// its path names by then.
struct FolderIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FolderIdentity &) const = default;
};

// The identity of the folder at path itself (a link is not followed); nothing
// when path names no folder.
[[nodiscard]] std::optional<FolderIdentity> folderIdentity(const QString &path);

// Removes the folder at path only while it is the one identity names (a folder
// moved there or made anew meanwhile is someone else's). True when it went.
bool removeFolderIfSame(const QString &path, const std::optional<FolderIdentity> &identity);

// A path for a new folder named base inside parent: base itself when free on
// disk and not among taken, else "base 2", "base 3" ... Never an existing name.
[[nodiscard]] QString freeFolderPath(const QString &parent, const QString &base, const QStringList &taken = {});

// The name of the folder a source's export goes to among others: the source's
// name without its extension, or "HTML5Video" when it has none.
[[nodiscard]] QString folderNameFor(const QString &sourcePath);

// The bytes of the file at path, or of all the files in the folder there and its subfolders.
[[nodiscard]] qint64 entryBytes(const QString &path);

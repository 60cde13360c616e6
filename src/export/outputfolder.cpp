#include "export/outputfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <vector>

namespace {

// What a path names on disk, whatever its spelling: a case-insensitive file
// system, a bind mount or a link can give one folder several paths.
struct Identity
{
    dev_t device;
    ino_t inode;
    bool operator==(const Identity &) const = default;
};

std::optional<Identity> identityOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino};
}

// The identities of a path and of every folder above it, up to the root, by
// its own spelling and by its resolved one (which may take other folders).
std::vector<Identity> identitiesUpFrom(const QString &path)
{
    std::vector<Identity> identities;
    QStringList spellings = {QDir::cleanPath(QFileInfo(path).absoluteFilePath())};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != spellings.first())
        spellings << canonical;
    for (QString current : std::as_const(spellings)) {
        for (;;) {
            if (const std::optional<Identity> identity = identityOf(current))
                identities.push_back(*identity);
            if (current == u"/" || current.isEmpty())
                break;
            const qsizetype slash = current.lastIndexOf(u'/');
            current = slash <= 0 ? QStringLiteral("/") : current.first(slash);
        }
    }
    return identities;
}

bool isAmong(const Identity &identity, const std::vector<Identity> &identities)
{
    return std::find(identities.begin(), identities.end(), identity) != identities.end();
}

} // namespace

std::optional<QString> replacementRefusal(const QString &path, const QString &sourcePath, const QString &homePath)
{
    // Nothing there, nothing to lose: a new folder is made.
    const std::optional<Identity> target = identityOf(path);
    if (!target)
        return std::nullopt;
    if (identityOf(QStringLiteral("/")) == target)
        return QCoreApplication::translate("Export", "The top folder of the computer can't be replaced.");
    if (isAmong(*target, identitiesUpFrom(homePath)))
        return QCoreApplication::translate("Export", "“%1” holds your home folder and can't be replaced.").arg(path);
    if (!sourcePath.isEmpty() && isAmong(*target, identitiesUpFrom(sourcePath)))
        return QCoreApplication::translate("Export", "“%1” holds the video you are converting and can't be replaced.").arg(path);
    return std::nullopt;
}

void recreateFolder(const QString &path)
{
    const QFileInfo existing(path);
    if (existing.isSymLink() || (existing.exists() && !existing.isDir()))
        QFile::remove(path);
    else if (existing.isDir())
        QDir(path).removeRecursively(); // deletes links inside, never their targets
    QDir().mkpath(path);
}

std::optional<FolderIdentity> folderIdentity(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;
    return FolderIdentity{quint64(status.st_dev), quint64(status.st_ino)};
}

bool removeFolderIfSame(const QString &path, const std::optional<FolderIdentity> &identity)
{
    return identity && folderIdentity(path) == identity && QDir(path).removeRecursively();
}

QString freeFolderPath(const QString &parent, const QString &base, const QStringList &taken)
{
    const QDir folder(parent);
    QString path = QDir::cleanPath(folder.absoluteFilePath(base));
    for (int twin = 2; taken.contains(path) || QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++twin)
        path = QDir::cleanPath(folder.absoluteFilePath(base + u' ' + QString::number(twin)));
    return path;
}

QString folderNameFor(const QString &sourcePath)
{
    const QString base = QFileInfo(sourcePath).completeBaseName();
    if (base.isEmpty() || base.startsWith(u'.'))
        return QStringLiteral("HTML5Video");
    return base;
}

qint64 entryBytes(const QString &path)
{
    const QFileInfo entry(path);
    if (!entry.isDir() || entry.isSymLink())
        return entry.size();
    qint64 bytes = 0;
    QDirIterator files(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        bytes += files.nextFileInfo().size();
    return bytes;
}

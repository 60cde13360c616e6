#include "export/outputfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The path with links resolved as far as it exists.
QString resolvedPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isSameOrInside(const QString &inner, const QString &outer)
{
    return inner == outer || outer == u"/" || inner.startsWith(outer + u'/');
}

} // namespace

std::optional<QString> replacementRefusal(const QString &path, const QString &sourcePath, const QString &homePath)
{
    const QString target = resolvedPath(path);
    if (target == u"/")
        return QStringLiteral("The top folder of the computer can't be replaced.");
    if (isSameOrInside(resolvedPath(homePath), target))
        return QStringLiteral("“%1” holds your home folder and can't be replaced.").arg(path);
    if (!sourcePath.isEmpty() && isSameOrInside(resolvedPath(sourcePath), target))
        return QStringLiteral("“%1” holds the video you are converting and can't be replaced.").arg(path);
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

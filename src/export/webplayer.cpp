#include "export/webplayer.h"

#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace WebPlayer {

QStringList fileNames()
{
    return {QStringLiteral("start.js"), QStringLiteral("player.js"), QStringLiteral("media-chrome-LICENSE.txt")};
}

QString pageScript()
{
    return folderName.toString() + QStringLiteral("/start.js");
}

QString sourceFolder()
{
    return QDir(MediaTools::resourceDirectory()).filePath(QStringLiteral("web"));
}

QString copyFiles(const QStringList &names, const QString &targetFolder)
{
    const QDir source(sourceFolder());
    // Never its parent: a folder that is gone stays gone.
    if (!QDir(targetFolder).exists() && !QDir().mkdir(targetFolder))
        return QCoreApplication::translate("Export", "The folder %1 cannot be written.").arg(targetFolder);
    for (const QString &name : names) {
        const QString target = targetFolder + u'/' + name;
        QFile::remove(target);
        if (!QFile::copy(source.filePath(name), target))
            return QCoreApplication::translate("Export", "The web player %1 could not be copied from %2.")
                .arg(name, source.path());
    }
    return {};
}

QString copyInto(const QString &folder)
{
    return copyFiles(fileNames(), folder + u'/' + folderName.toString());
}

} // namespace WebPlayer

#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace MediaTools {

namespace {

QString executableDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

} // namespace

QString resourceDirectory()
{
    const QString overridden = qEnvironmentVariable(resourcesVariable);
    if (!overridden.isEmpty())
        return overridden;

    const QDir binary(executableDirectory());
    const QString candidates[] = {
        binary.filePath(QStringLiteral("resources")),
        binary.filePath(QStringLiteral("../lib/videofold/resources")),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(candidates[0]);
}

std::optional<QString> resourcePath(QStringView name)
{
    if (name.isEmpty() || name.contains(u'/'))
        return std::nullopt;
    const QString path = QDir(resourceDirectory()).filePath(name.toString());
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return std::nullopt;
    return path;
}

} // namespace MediaTools

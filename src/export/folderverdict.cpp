#include "export/folderverdict.h"

#include "common/diagnostics.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

FolderVerdict judgeFolder(const QString &folder, QStringList names, bool encoderEndedNormally,
                          const std::function<bool(const QString &path)> &isPlayable,
                          const QStringList &captionNames)
{
    std::sort(names.begin(), names.end()); // by character code
    FolderVerdict verdict;
    for (const QString &name : std::as_const(names))
        verdict.entries << folder + u'/' + name;
    if (!encoderEndedNormally || verdict.entries.size() != 3 + captionNames.size())
        return verdict;
    for (const QString &caption : captionNames) {
        if (!names.contains(caption))
            return verdict;
    }

    int videos = 0;
    for (const QString &entry : std::as_const(verdict.entries)) {
        if (entry.section(u'.', -1) != u"mp4")
            continue;
        ++videos;
        if (!isPlayable(entry))
            return verdict;
    }
    verdict.success = videos > 0;
    return verdict;
}

QStringList folderEntryNames(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        writeDiagnosticLine(QStringLiteral("Could not list the folder ") + folder);
        return {};
    }
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

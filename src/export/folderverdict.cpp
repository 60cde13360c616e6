#include "export/folderverdict.h"

#include "common/diagnostics.h"
#include "export/encoderarguments.h"
#include "export/htmlpage.h"
#include "export/posterframe.h"

#include <QCoreApplication>
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
    // Exactly what the export writes, by name: a stranger in place of the page is no success.
    QStringList expected = QStringList{videoFileName.toString(), PosterFrame::posterFileName.toString(),
                                       pageFileName.toString()}
        + captionNames;
    std::sort(expected.begin(), expected.end());
    if (!encoderEndedNormally || names != expected)
        return verdict;
    for (const QString &entry : std::as_const(verdict.entries)) {
        if (entry.endsWith(u".mp4") && !isPlayable(entry))
            return verdict;
    }
    verdict.success = true;
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

Failure failureReason(const QStringList &names, const QStringList &captionNames, bool encoderEndedNormally,
                      const QString &encoderMessage)
{
    if (!encoderEndedNormally) {
        return {FailureCode::encoderStopped,
                encoderMessage.isEmpty() ? QCoreApplication::translate("Export", "The encoder stopped before the video was complete.")
                                         : QCoreApplication::translate("Export", "The encoder stopped:\n%1").arg(encoderMessage)};
    }
    const std::pair<QString, Failure> required[] = {
        {videoFileName.toString(), {FailureCode::noVideo, QCoreApplication::translate("Export", "The encoder wrote no video.")}},
        {PosterFrame::posterFileName.toString(),
         {FailureCode::noPoster, QCoreApplication::translate("Export", "No poster frame could be taken from the video.")}},
        {pageFileName.toString(), {FailureCode::noPage, QCoreApplication::translate("Export", "The page could not be written.")}}};
    QStringList strangers = names;
    for (const auto &[name, reason] : required) {
        if (!names.contains(name))
            return reason;
        strangers.removeAll(name);
    }
    for (const QString &caption : captionNames) {
        if (!names.contains(caption))
            return {FailureCode::captionsUnwritable,
                    QCoreApplication::translate("Export", "The caption file %1 could not be written.").arg(caption)};
        strangers.removeAll(caption);
    }
    if (!strangers.isEmpty())
        return {FailureCode::strangeFiles, QCoreApplication::translate("Export", "The folder holds files the export did not write: %1")
                                               .arg(strangers.join(QStringLiteral(", ")))};
    return {FailureCode::unplayable, QCoreApplication::translate("Export", "The video written cannot be played.")};
}

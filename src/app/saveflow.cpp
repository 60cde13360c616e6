// Saving: the save panel, the folder's refusals and replacement, and what the
// success alert's buttons do. The export itself runs in the export sheet.
#include "app/appdelegate.h"

#include "app/exportsheet.h"
#include "app/filemanager.h"
#include "app/links.h"
#include "app/outputfolderdialog.h"
#include "common/diagnostics.h"
#include "export/exportpreflight.h"
#include "export/exportqueue.h"
#include "export/outputfolder.h"
#include "serve/previewserver.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

void AppDelegate::saveVideoBTNClicked()
{
    askForOutputFolder();
}

void AppDelegate::askForOutputFolder(void (AppDelegate::*then)(const QString &path))
{
    if (!globalFP || isBusy())
        return;
    auto *panel = new OutputFolderDialog(window);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::accepted, this, [this, panel, then] {
        if (!panel->chosenPath().isEmpty())
            (this->*then)(panel->chosenPath());
    });
    panel->open();
}

void AppDelegate::prepareOutputFolder(const QString &path)
{
    if (!globalFP || !sourceURL || isBusy() || refuseOutputFolder(path))
        return;
    recreateFolder(path);
    startExport(path);
}

bool AppDelegate::refuseOutputFolder(const QString &path)
{
    const QString chooseAnother = QStringLiteral("Please choose another name for the HTML5 video folder.");
    if (const std::optional<QString> refusal = replacementRefusal(path, sourceURL->toLocalFile(), QDir::homePath())) {
        showAlert(QMessageBox::Warning, chooseAnother, *refusal);
        return true;
    }
    // Replacing it, or what holds it, would destroy an export still to come;
    // writing inside it would spoil that export's folder.
    const QString chosen = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const std::optional<FolderIdentity> identity = folderIdentity(path);
    for (const QueuedExport &queued : m_queue->exports()) {
        const QString &folder = queued.request.folder;
        if (!queued.isFinished()
            && (folder == chosen || folder.startsWith(chosen + u'/') || chosen.startsWith(folder + u'/')
                || (identity && identity == queued.folderIdentity))) {
            showAlert(QMessageBox::Warning, chooseAnother,
                      QStringLiteral("“%1” is, holds or lies in the folder of an export still in the queue (%2).")
                          .arg(path, folder));
            return true;
        }
    }
    // Known before anything is written or replaced: a source gone, a folder that
    // cannot be written, a disk too full.
    if (const std::optional<QString> refusal = exportRequest(path).refusalBeforeWriting()) {
        showAlert(QMessageBox::Warning, QStringLiteral("The HTML5 video can't be created."), *refusal);
        return true;
    }
    return false;
}

void AppDelegate::startExport(const QString &folder)
{
    m_exportSheet->start(folder);
}

void AppDelegate::closeBTNInsideProgressWindowClicked()
{
    m_exportSheet->cancel();
}

void AppDelegate::stopAndQuit()
{
    // What the queue had not finished is offered back at the next launch.
    m_queueStopping = true;
    m_queue->interrupt();
    if (m_exportSheet->isExporting())
        m_exportSheet->stopAndQuit(); // the window closes once the export is gone
    else
        window->close();
}

void AppDelegate::openInBrowser(const QString &pagePath)
{
    // Served as a web site serves it, the page shows what visitors get, captions
    // included, which browsers do not load for a page opened from disk.
    if (!m_previewServer)
        m_previewServer = std::make_unique<PreviewServer>();
    if (const std::optional<QUrl> url = m_previewServer->serve(QFileInfo(pagePath).path())) {
        QDesktopServices::openUrl(*url);
        return;
    }
    writeDiagnosticLine(QStringLiteral("Opening the page from disk instead"));
    QDesktopServices::openUrl(QUrl::fromLocalFile(pagePath));
}

void AppDelegate::handleSuccessAlertResponse(int response, const QString &pagePath, const QStringList &entries)
{
    if (response == 1000)
        openInBrowser(pagePath);
    else if (response == 1001 && entries.contains(pagePath))
        showInFileManager(pagePath); // the page, even where caption files sort before it
    if (m_userDefaults.integer(PreferenceKeys::launchCount).value_or(0) % 10 == 0)
        Links::requestReview();
}

#include "app/saveflow.h"

#include "app/alerts.h"
#include "app/outputfolderdialog.h"
#include "export/exportqueue.h"
#include "export/outputfolder.h"

#include <QDir>
#include <QFileInfo>

SaveFlow::SaveFlow(QWidget *window, const ExportQueue &queue, RequestFor requestFor, std::function<bool()> isBusy,
                   QObject *parent)
    : QObject(parent), m_window(window), m_queue(queue), m_requestFor(std::move(requestFor)), m_isBusy(std::move(isBusy))
{
}

void SaveFlow::chooseForExport()
{
    choose(&SaveFlow::exportInto);
}

void SaveFlow::chooseForQueue()
{
    choose(&SaveFlow::queueInto);
}

void SaveFlow::choose(void (SaveFlow::*then)(const QString &path))
{
    if (!canSave())
        return;
    auto *panel = new OutputFolderDialog(m_window);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &QFileDialog::accepted, this, [this, panel, then] {
        if (!panel->chosenPath().isEmpty())
            (this->*then)(panel->chosenPath());
    });
    panel->open();
}

void SaveFlow::exportInto(const QString &path)
{
    if (!canSave() || refuse(path))
        return;
    recreateFolder(path);
    Q_EMIT exportReady(path);
}

void SaveFlow::queueInto(const QString &path)
{
    if (!canSave() || refuse(path))
        return;
    recreateFolder(path);
    Q_EMIT queueReady(QDir::cleanPath(path));
}

bool SaveFlow::refuse(const QString &path)
{
    const QString chooseAnother = tr("Please choose another name for the HTML5 video folder.");
    if (const std::optional<QString> refusal = replacementRefusal(path, m_source.path, QDir::homePath())) {
        showAlert(m_window, QMessageBox::Warning, chooseAnother, *refusal);
        return true;
    }
    // Replacing it, or what holds it, would destroy an export still to come;
    // writing inside it would spoil that export's folder.
    const QString chosen = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const std::optional<FolderIdentity> identity = folderIdentity(path);
    for (const QueuedExport &queued : m_queue.exports()) {
        const QString &folder = queued.request.folder;
        if (!queued.isFinished()
            && (folder == chosen || folder.startsWith(chosen + u'/') || chosen.startsWith(folder + u'/')
                || (identity && identity == queued.folderIdentity))) {
            showAlert(m_window, QMessageBox::Warning, chooseAnother,
                      tr("“%1” is, holds or lies in the folder of an export still in the queue (%2).")
                          .arg(path, folder));
            return true;
        }
    }
    // Known before anything is written or replaced: a source gone, a folder that
    // cannot be written, a disk too full.
    if (const std::optional<QString> refusal = m_requestFor(path).refusalBeforeWriting()) {
        showAlert(m_window, QMessageBox::Warning, tr("The HTML5 video can't be created."), *refusal);
        return true;
    }
    return false;
}

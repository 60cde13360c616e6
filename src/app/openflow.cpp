// The open flow: the open panel, drops and launch arguments, the analysis off
// the window's thread, the refusals, and the controls of a loaded file.
#include "app/appdelegate.h"

#include "app/links.h"
#include "app/mediainfomodel.h"
#include "app/recentfiles.h"
#include "export/sourcefacts.h"
#include "probe/acceptance.h"
#include "ui_mainwindow.h"
#include "ui_progresssheet.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTreeView>

void AppDelegate::openVideoBTNClicked()
{
    if (isBusy())
        return;
    auto *panel = new QFileDialog(window);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::accepted, this, [this, panel] {
        const QList<QUrl> urls = panel->selectedUrls();
        if (!urls.isEmpty())
            openSourceVideo(urls.first());
    });
    panel->open();
}

void AppDelegate::openLaunchArguments(const QStringList &arguments, const QString &workingDirectory)
{
    // A file manager's Open With passes paths or file URLs: the first opens, and
    // with several the window offers to export them all.
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument.startsWith(u'-'))
            continue; // an option, such as Qt's own
        const QUrl url = argument.contains(QStringLiteral("://")) || argument.startsWith(QStringLiteral("file:"))
            ? QUrl(argument)
            : QUrl::fromLocalFile(QDir(workingDirectory).absoluteFilePath(argument));
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    openSeveral(paths);
}

void AppDelegate::filesAddedByDragAndDropWithNotification(const QVariantMap &userInfo)
{
    const QVariant files = userInfo.value(QStringLiteral("key"));
    if (files.metaType() != QMetaType::fromType<QList<QUrl>>())
        return;
    QStringList paths;
    for (const QUrl &url : files.value<QList<QUrl>>())
        paths << url.toLocalFile();
    // Only folders were dropped: nothing to open.
    openSeveral(paths);
}

void AppDelegate::openSeveral(const QStringList &paths)
{
    if (paths.isEmpty() || isBusy() || progressWindow->isVisible())
        return;
    if (paths.size() > 1)
        offerSeveral(paths);
    openSourceVideo(QUrl::fromLocalFile(paths.first()));
}

void AppDelegate::openSourceVideo(const QUrl &url)
{
    // An open while analysing or exporting would pull the description from under it.
    if (isBusy() || progressWindow->isVisible())
        return;
    m_isAnalysing = true;
    isProcessCancelledByUser = false;
    showProgressSheet(true, QStringLiteral("Analyzing File..."));
    const QString path = url.toLocalFile();
    m_worker.run([path] { return analyse(path); },
                 [this, url](Analysis analysis) { finishOpening(url, std::move(analysis)); });
}

AppDelegate::Analysis AppDelegate::analyse(const QString &path)
{
    Analysis analysis;
    analysis.probe = std::make_shared<const FileProbe>(path);
    // Only valid media can be accepted, and only an accepted file shows its information.
    if (analysis.probe->isValidMediaFile) {
        analysis.information = buildMediaInfoModel(*analysis.probe);
        analysis.information->moveToThread(QCoreApplication::instance()->thread());
    }
    return analysis;
}

void AppDelegate::finishOpening(const QUrl &url, Analysis analysis)
{
    m_isAnalysing = false;
    if (const std::optional<QString> refusal = refusalMessage(url.toLocalFile(), *analysis.probe)) {
        // A recent file that is gone leaves the list.
        if (!QFileInfo::exists(url.toLocalFile()))
            m_recentFiles->remove(url.toLocalFile());
        showRefusal(*refusal);
        Q_EMIT sourceVideoOpened(false);
        return;
    }
    sourceURL = url;
    globalFP = std::move(analysis.probe);
    showOpenFile(url.toLocalFile());
    resetControls();
    enableControls();
    hideProgressSheet();
    showMediaInformation(std::move(analysis.information));
    Q_EMIT sourceVideoOpened(true);
}

void AppDelegate::showOpenFile(const QString &path)
{
    // The file path goes to the window manager; the title names the file first.
    window->setWindowFilePath(path);
    window->setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" – Videofold"));
    m_recentFiles->add(path);
    setLabelText(m_mainUi->sourceFactsLBL, sourceFactsText(*globalFP));
}

void AppDelegate::showRefusal(const QString &message)
{
    hideProgressSheet();
    showAlert(QMessageBox::Information, message, QStringLiteral("Contact: ") + Links::supportEmail);
}

void AppDelegate::resetControls()
{
    // Setting a value fires its action, which finds the file and the labels unchanged.
    const QSignalBlocker resolution(outputResolutionSlider);
    const QSignalBlocker size(outputFileSizeSlider);
    const QSignalBlocker poster(posterImageSlider);
    outputResolutionSlider->setValue(100);
    outputResolutionSlider->setEnabled(false);
    outputFileSizeSlider->setValue(100);
    outputFileSizeSlider->setEnabled(false);
    posterImageSlider->setValue(50);
    posterImageSlider->setEnabled(false);
    clearSizeLimit();
    outputFileSizeLimitBox->setEnabled(false);
    resetKeptPart();
    for (QWidget *control : std::initializer_list<QWidget *>{trimStartSlider, trimEndSlider, trimStartEdit, trimEndEdit,
                                                           m_mainUi->setStartBTN, m_mainUi->setEndBTN})
        control->setEnabled(false);
    for (QAction *action : std::as_const(m_keptPartActions))
        action->setEnabled(false);
    saveToolBarBTN->setEnabled(false);
    addToQueueBTN->setEnabled(false);
    dummyNavigationBarView->setVisible(false);
}

void AppDelegate::enableControls()
{
    outputResolutionSlider->setEnabled(true);
    refreshResolutionLabel();
    outputFileSizeSlider->setEnabled(true);
    outputFileSizeLimitBox->setEnabled(true);
    refreshFileSizeLabel();
    posterImageSlider->setEnabled(true);
    for (QWidget *control : std::initializer_list<QWidget *>{trimStartSlider, trimEndSlider, trimStartEdit, trimEndEdit,
                                                           m_mainUi->setStartBTN, m_mainUi->setEndBTN})
        control->setEnabled(true);
    for (QAction *action : std::as_const(m_keptPartActions))
        action->setEnabled(true);
    refreshKeptPart();
    refreshPosterPreview();
    updateSaveAvailability();
    dummyNavigationBarView->setVisible(true);
}

void AppDelegate::showProgressSheet(bool indeterminate, const QString &title)
{
    progressBarCancelBTN->setVisible(!indeterminate);
    progressBar->setValue(0);
    progressBar->setRange(0, indeterminate ? 0 : 100);
    setLabelText(progressTitle, title);
    progressWindow->open();
}

void AppDelegate::hideProgressSheet()
{
    progressBarCancelBTN->setVisible(false);
    progressBar->setValue(0);
    progressBar->setRange(0, 0);
    m_allowProgressClose = true;
    progressWindow->hide();
    m_allowProgressClose = false;
}

void AppDelegate::showMediaInformation(std::unique_ptr<QStandardItemModel> model)
{
    QTreeView *view = m_mainUi->mediaInfoView;
    QAbstractItemModel *previous = view->model();
    view->setModel(model.release());
    view->model()->setParent(view);
    delete previous;
    view->expandToDepth(0);
    view->resizeColumnToContents(0);
}

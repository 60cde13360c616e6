#include "app/appdelegate.h"

#include "app/dropviews.h"
#include "app/links.h"
#include "app/mediainfomodel.h"
#include "app/notificationcenter.h"
#include "app/plaintextalert.h"
#include "app/posterpreview.h"
#include "app/preferencesdialog.h"
#include "app/recentfiles.h"
#include "common/diagnostics.h"
#include "common/displaytext.h"
#include "export/colour.h"
#include "export/encoderrun.h"
#include "export/outputsettings.h"
#include "export/posterframe.h"
#include "export/sourcefacts.h"
#include "probe/acceptance.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"
#include "ui_helpsheet.h"
#include "ui_mainwindow.h"
#include "ui_progresssheet.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QIcon>
#include <QKeyEvent>
#include <QTreeView>
#include <QMessageBox>
#include <QToolButton>

QString sourceShareText(const QString &sourceValue, int percent)
{
    return QStringLiteral("of %1 (%2 %)").arg(sourceValue).arg(percent);
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}

AppDelegate::AppDelegate()
    : m_mainUi(std::make_unique<Ui::MainWindow>()),
      m_progressUi(std::make_unique<Ui::ProgressSheet>()),
      m_helpUi(std::make_unique<Ui::HelpSheet>()),
      m_window(std::make_unique<QMainWindow>())
{
    m_mainUi->setupUi(m_window.get());
    window = m_window.get();
    userDefaults = &m_userDefaults;
    outputResolutionSlider = m_mainUi->outputResolutionSlider;
    outputResolutionLBL = m_mainUi->outputResolutionLBL;
    outputFileSizeSlider = m_mainUi->outputFileSizeSlider;
    outputFileSizeLBL = m_mainUi->outputFileSizeLBL;
    posterIMGView = m_mainUi->posterIMGView;
    posterImageSlider = m_mainUi->posterImageSlider;
    saveToolBarBTN = m_mainUi->saveToolBarBTN;
    dummyNavigationBarView = m_mainUi->dummyNavigationBarView;

    progressWindow = new QDialog(window);
    m_progressUi->setupUi(progressWindow);
    progressWindow->setWindowModality(Qt::WindowModal);
    progressTitle = m_progressUi->progressTitle;
    progressBar = m_progressUi->progressBar;
    progressBarCancelBTN = m_progressUi->progressBarCancelBTN;

    helpWindow = new QDialog(window);
    m_helpUi->setupUi(helpWindow);
    helpWindow->setWindowModality(Qt::WindowModal);
    // This platform has no store prompt to rate the application from.
    m_helpUi->rateAppBTN->hide();

    // The information pane starts hidden; View › Media Information shows it.
    QAction *infoToggle = m_mainUi->mediaInfoDock->toggleViewAction();
    infoToggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_mainUi->viewMenu->addAction(infoToggle);
    m_mainUi->mediaInfoDock->hide();

    m_posterPreview = new PosterPreview(m_worker, this);
    connect(m_posterPreview, &PosterPreview::frameReady, this,
            [this](const QImage &frame) { posterIMGView->setImage(frame); });

    m_recentFiles = new RecentFiles(m_userDefaults, m_mainUi->recentMenu, this);
    connect(m_recentFiles, &RecentFiles::chosen, this,
            [this](const QString &path) { openSourceVideo(QUrl::fromLocalFile(path)); });

    setThemeIcons();
    connectActions();
    setAccessibleNames();
}

void AppDelegate::setThemeIcons()
{
    // The user's icon theme first; the bundled icons where there is none.
    const std::pair<QAction *, QString> icons[] = {{m_mainUi->openVideoBTN, QStringLiteral("document-open")},
                                                   {saveToolBarBTN, QStringLiteral("document-save")},
                                                   {m_mainUi->helpBTN, QStringLiteral("help-contents")}};
    for (const auto &[action, name] : icons)
        action->setIcon(QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/actions/") + name + QStringLiteral(".svg"))));
}

AppDelegate::~AppDelegate()
{
    // Quitting mid-export stops the encoder and leaves no partial folder.
    if (m_export && m_export->isRunning()) {
        m_export.reset();
        QDir(m_exportFolder).removeRecursively();
    }
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // Escape or the window manager's close button would take the sheet down
    // behind the controller's back; only the controller ends it.
    if (watched == window && event->type() == QEvent::Close) {
        if (m_isExporting && !confirmQuitDuringExport()) {
            event->ignore();
            return true;
        }
        m_userDefaults.setValue(PreferenceKeys::windowGeometry, window->saveGeometry());
    }
    if (watched == progressWindow) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return !m_allowProgressClose;
        }
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AppDelegate::connectActions()
{
    connect(m_mainUi->openVideoBTN, &QAction::triggered, this, &AppDelegate::openVideoBTNClicked);
    connect(saveToolBarBTN, &QAction::triggered, this, &AppDelegate::saveVideoBTNClicked);
    connect(m_mainUi->helpBTN, &QAction::triggered, this, &AppDelegate::helpBTNClicked);
    connect(m_mainUi->quitAction, &QAction::triggered, window, &QMainWindow::close);
    connect(m_mainUi->preferencesAction, &QAction::triggered, this, &AppDelegate::showPreferences);
    connect(m_mainUi->aboutAction, &QAction::triggered, this, &AppDelegate::showAbout);
    // valueChanged, so keyboard, mouse and assistive tools all move the settings.
    connect(outputResolutionSlider, &QSlider::valueChanged, this, &AppDelegate::outputResolutionSLDRChanged);
    connect(outputFileSizeSlider, &QSlider::valueChanged, this, &AppDelegate::outputFileSizeSLDRChanged);
    connect(posterImageSlider, &QSlider::valueChanged, this, &AppDelegate::posterImageSLDRChanged);
    connect(progressBarCancelBTN, &QPushButton::clicked, this, &AppDelegate::closeBTNInsideProgressWindowClicked);
    connect(m_helpUi->okBTN, &QPushButton::clicked, this, &AppDelegate::okBTNInsideHelpWindowClicked);
    connect(m_helpUi->quillreelBTN, &QPushButton::clicked, this, &AppDelegate::showQuillreelApp);
    connect(m_helpUi->otherAppsBTN, &QPushButton::clicked, this, &AppDelegate::checkoutMyOtherAppsBTNClicked);
    connect(m_helpUi->whatsAppBTN, &QPushButton::clicked, this, &AppDelegate::launchWhatsApp);
    connect(m_helpUi->rateAppBTN, &QPushButton::clicked, this, &AppDelegate::rateAppBTNClicked);
    // Escape on a sheet would only hide it behind the controller's back.
    progressWindow->installEventFilter(this);
    window->installEventFilter(this);
}

void AppDelegate::setAccessibleNames()
{
    const QList<QWidget *> outlets = {outputResolutionSlider, outputResolutionLBL, outputFileSizeSlider,
                                      outputFileSizeLBL,      posterIMGView,       posterImageSlider,
                                      progressWindow,         progressTitle,       progressBar,
                                      progressBarCancelBTN,   dummyNavigationBarView, helpWindow};
    for (QWidget *outlet : outlets)
        outlet->setAccessibleName(outlet->objectName());
    for (QAction *action : {m_mainUi->openVideoBTN, saveToolBarBTN, m_mainUi->helpBTN}) {
        if (QWidget *button = m_mainUi->mainToolBar->widgetForAction(action))
            button->setAccessibleName(action->objectName());
    }
    for (QLabel *label : {outputResolutionLBL, outputFileSizeLBL, progressTitle})
        label->setAccessibleDescription(label->text());
}

void AppDelegate::applicationDidFinishLaunching()
{
    window->setWindowIcon(QIcon::fromTheme(QStringLiteral("org.videofold.Videofold"),
                                           QIcon(QStringLiteral(":/icons/org.videofold.Videofold.svg"))));
    window->restoreGeometry(m_userDefaults.bytes(PreferenceKeys::windowGeometry));
    auto *opacity = new QGraphicsOpacityEffect(dummyNavigationBarView);
    opacity->setOpacity(0.35);
    dummyNavigationBarView->setGraphicsEffect(opacity);
    dummyNavigationBarView->setBackgroundRole(QPalette::Highlight);
    resetControls();

    const QString version = QCoreApplication::applicationVersion();
    recordLaunch(m_userDefaults, version.isEmpty() ? std::nullopt : std::optional(version));

    NotificationCenter::defaultCenter().addObserver(
        this, filesAddedByDragAndDrop,
        [this](const QVariantMap &userInfo) { filesAddedByDragAndDropWithNotification(userInfo); });
}

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
    // A file manager's Open With passes paths or file URLs; as with a drop, only the first counts.
    for (const QString &argument : arguments) {
        if (argument.startsWith(u'-'))
            continue; // an option, such as Qt's own
        const QUrl url = argument.contains(QStringLiteral("://")) || argument.startsWith(QStringLiteral("file:"))
            ? QUrl(argument)
            : QUrl::fromLocalFile(QDir(workingDirectory).absoluteFilePath(argument));
        if (url.isLocalFile())
            openSourceVideo(url);
        return;
    }
}

void AppDelegate::filesAddedByDragAndDropWithNotification(const QVariantMap &userInfo)
{
    const QVariant files = userInfo.value(QStringLiteral("key"));
    if (files.metaType() != QMetaType::fromType<QList<QUrl>>())
        return;
    const QList<QUrl> urls = files.value<QList<QUrl>>();
    // Only folders were dropped: nothing to open.
    if (urls.isEmpty())
        return;
    openSourceVideo(urls.first());
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

void AppDelegate::showAlert(QMessageBox::Icon icon, const QString &message, const QString &informative)
{
    auto *alert = new QMessageBox(icon, QStringLiteral("Videofold"), message, QMessageBox::Ok, window);
    alert->setObjectName(QStringLiteral("alert"));
    alert->setInformativeText(informative);
    showTextsPlainly(alert);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
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
    saveToolBarBTN->setEnabled(false);
    dummyNavigationBarView->setVisible(false);
}

void AppDelegate::enableControls()
{
    outputResolutionSlider->setEnabled(true);
    refreshResolutionLabel();
    outputFileSizeSlider->setEnabled(true);
    refreshFileSizeLabel();
    posterImageSlider->setEnabled(true);
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

void AppDelegate::refreshResolutionLabel()
{
    if (!globalFP || !globalFP->firstVideoTrackInfo)
        return;
    const FrameSize size = outputFrameSize(*globalFP->firstVideoTrackInfo, outputResolutionSlider->value());
    setLabelText(outputResolutionLBL, frameSizeText(size));
    setLabelText(m_mainUi->outputResolutionSourceLBL,
                 sourceShareText(frameSizeText(outputFrameSize(*globalFP->firstVideoTrackInfo, 100)),
                                 outputResolutionSlider->value()));
}

void AppDelegate::refreshFileSizeLabel()
{
    if (!globalFP || !globalFP->fileSize)
        return;
    const qint64 bytes = targetSizeBytes(*globalFP->fileSize, outputFileSizeSlider->value());
    setLabelText(outputFileSizeLBL, byteCountText(quint64(std::max<qint64>(bytes, 0))));
    setLabelText(m_mainUi->outputFileSizeSourceLBL,
                 sourceShareText(byteCountText(*globalFP->fileSize), outputFileSizeSlider->value()));
}

void AppDelegate::refreshPosterPreview()
{
    if (!globalFP || !sourceURL)
        return;
    const double seconds = PosterFrame::positionSeconds(globalFP->duration, posterImageSlider->value());
    m_posterPreview->request(sourceURL->toLocalFile(), seconds,
                             PosterFrame::previewFilters(toneMapFilters(firstVideoTransfer(*globalFP))));
}

void AppDelegate::updateSaveAvailability()
{
    // A zero frame size would only fail after a whole encode.
    const std::optional<FrameSize> size = parseFrameSizeText(outputResolutionLBL->text());
    saveToolBarBTN->setEnabled(globalFP && size && !size->isEmpty());
}

void AppDelegate::outputResolutionSLDRChanged()
{
    refreshResolutionLabel();
    if (globalFP)
        updateSaveAvailability();
}

void AppDelegate::outputFileSizeSLDRChanged()
{
    refreshFileSizeLabel();
}

void AppDelegate::posterImageSLDRChanged()
{
    refreshPosterPreview();
}

void AppDelegate::saveVideoBTNClicked()
{
    askForOutputFolder();
}

void AppDelegate::helpBTNClicked()
{
    helpWindow->open();
}

void AppDelegate::okBTNInsideHelpWindowClicked()
{
    helpWindow->hide();
}

void AppDelegate::showQuillreelApp()
{
    Links::open(Links::quillreelApp);
}

void AppDelegate::launchWhatsApp()
{
    Links::open(Links::messaging);
}

void AppDelegate::rateAppBTNClicked()
{
    Links::requestReview();
}

void AppDelegate::checkoutMyOtherAppsBTNClicked()
{
    Links::open(Links::otherApps);
}

void AppDelegate::showPreferences()
{
    auto *dialog = new PreferencesDialog(m_userDefaults, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void AppDelegate::showAbout()
{
    m_worker.run([] { return MediaTools::encoderVersion(); }, [this](const QString &ffmpeg) {
        auto *about = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("About Videofold"),
                                      aboutText(QCoreApplication::applicationVersion(), ffmpeg),
                                      QMessageBox::Ok, window);
        about->setObjectName(QStringLiteral("aboutBox"));
        about->setIconPixmap(window->windowIcon().pixmap(64, 64));
        about->setWindowModality(Qt::WindowModal);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    });
}

QString aboutText(const QString &version, const QString &ffmpegVersion)
{
    const QString tools = ffmpegVersion.isEmpty() ? QStringLiteral("FFmpeg was not found.")
                                                  : ffmpegVersion.toHtmlEscaped();
    return QStringLiteral("<h3>Videofold %1</h3>"
                          "<p>Turns a video into a folder ready for the web: an H.264 video, a poster "
                          "and a page that plays it.</p>"
                          "<p>Media work by %2</p>"
                          "<p>Videofold is free software under the GNU General Public License, "
                          "version 3 or later.</p>")
        .arg(version.toHtmlEscaped(), tools);
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

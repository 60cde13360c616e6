#include "app/appdelegate.h"

#include "app/dropviews.h"
#include "app/exportsheet.h"
#include "app/filemanager.h"
#include "app/helpsheet.h"
#include "app/keptpartcontrols.h"
#include "app/links.h"
#include "app/openflow.h"
#include "app/outputcontrols.h"
#include "app/pagepreview.h"
#include "app/preferencesdialog.h"
#include "app/progresssheet.h"
#include "app/queueflow.h"
#include "app/quitguard.h"
#include "app/saveflow.h"
#include "app/sidepanels.h"
#include "common/temporaryfolder.h"
#include "export/exportqueue.h"
#include "export/queuestore.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QGraphicsOpacityEffect>
#include <QIcon>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>

AppDelegate::AppDelegate()
    : m_ui(std::make_unique<Ui::MainWindow>()),
      m_queue(std::make_unique<ExportQueue>(QueueStore::filePath(queueDirectory(), QCoreApplication::applicationPid()))),
      m_window(std::make_unique<QMainWindow>())
{
    m_ui->setupUi(m_window.get());
    // The information pane starts hidden; View › Media Information shows it.
    QAction *infoToggle = m_ui->mediaInfoDock->toggleViewAction();
    infoToggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_ui->viewMenu->addAction(infoToggle);
    m_ui->mediaInfoDock->hide();
    SidePanels::place(m_window.get(), m_ui->mediaInfoDock, m_ui->mediaInfoDock);
    buildParts();
    connectActions();
    connectParts();
    setThemeIcons();
    setTabOrder();
    showSource(); // none yet: the controls wait for a video
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::buildParts()
{
    QMainWindow *window = m_window.get();
    m_progress = new ProgressSheet(window);
    m_output = new OutputControls({m_ui->outputResolutionSlider, m_ui->outputResolutionLBL, m_ui->outputResolutionSourceLBL,
                                   m_ui->outputFileSizeSlider, m_ui->outputFileSizeLBL, m_ui->outputFileSizeSourceLBL,
                                   m_ui->outputFileSizeLimitBox, m_ui->outputFileSizeLimitProblemLBL,
                                   m_ui->posterImageSlider, m_ui->posterIMGView, m_ui->posterTimeLBL},
                                  m_worker, window);
    m_keptPart = new KeptPartControls({m_ui->trimStartSlider, m_ui->trimEndSlider, m_ui->trimStartEdit, m_ui->trimEndEdit,
                                       m_ui->keptPartLBL, m_ui->setStartBTN, m_ui->setEndBTN, m_ui->editMenu},
                                      window);
    const auto requestFor = [this](const QString &folder) { return exportRequest(folder); };
    m_sheet = new ExportSheet(window, *m_progress, *m_queue, m_output->posterPreview(), requestFor, window);
    m_open = new OpenFlow({window, m_ui->recentMenu, m_ui->mediaInfoView, m_ui->sourceFactsLBL}, m_userDefaults, m_worker,
                          *m_progress, [this] { return m_sheet->isExporting(); }, window);
    m_save = new SaveFlow(window, *m_queue, requestFor, [this] { return isBusy(); }, window);
    m_queueFlow = new QueueFlow({window, m_ui->mediaInfoDock, m_ui->viewMenu, m_ui->centralLayout}, *m_queue, m_worker,
                                [this] { return exportChoice(); }, window);
    m_quitGuard = new QuitGuard(window, *m_sheet, *m_queue,
                                [this] {
                                    m_userDefaults.setValue(PreferenceKeys::windowGeometry, m_window->saveGeometry());
                                    m_userDefaults.setValue(PreferenceKeys::windowState, m_window->saveState());
                                },
                                window);
    m_pages = new PagePreview(window);
    new HelpSheet(window);
}

void AppDelegate::connectActions()
{
    connect(m_ui->openVideoBTN, &QAction::triggered, m_open, &OpenFlow::choose);
    connect(m_ui->saveToolBarBTN, &QAction::triggered, m_save, &SaveFlow::chooseForExport);
    connect(m_ui->addToQueueBTN, &QAction::triggered, m_save, &SaveFlow::chooseForQueue);
    connect(m_ui->exportSeveralVideosBTN, &QAction::triggered, m_queueFlow, &QueueFlow::chooseSeveral);
    connect(m_ui->helpBTN, &QAction::triggered, this, [this] { m_window->findChild<HelpSheet *>()->open(); });
    connect(m_ui->quitAction, &QAction::triggered, m_window.get(), &QMainWindow::close);
    // Its shortcut also reaches it while the progress sheet has the focus.
    m_progress->dialog()->addAction(m_ui->quitAction);
    connect(m_ui->preferencesAction, &QAction::triggered, this, &AppDelegate::showPreferences);
    connect(m_ui->aboutAction, &QAction::triggered, this, &AppDelegate::showAbout);
}

void AppDelegate::connectParts()
{
    connect(m_open, &OpenFlow::opened, this, [this](bool accepted) {
        if (accepted)
            showSource();
        Q_EMIT sourceVideoOpened(accepted);
    });
    connect(m_open, &OpenFlow::severalGiven, m_queueFlow, &QueueFlow::offerSeveral);
    connect(m_output, &OutputControls::frameSizeChanged, this, &AppDelegate::updateSaveActions);
    connect(m_keptPart, &KeptPartControls::partChanged, m_output, &OutputControls::setKeptPart);
    connect(m_keptPart, &KeptPartControls::frameWanted, m_output, &OutputControls::showFrameAt);
    connect(m_keptPart, &KeptPartControls::dragEnded, m_output, &OutputControls::showPoster);
    connect(m_keptPart, &KeptPartControls::startAtPosterRequested, this,
            [this] { m_keptPart->setStart(m_output->posterFrameSeconds()); });
    connect(m_keptPart, &KeptPartControls::endAtPosterRequested, this,
            [this] { m_keptPart->setEnd(m_output->posterFrameSeconds()); });
    connect(m_save, &SaveFlow::exportReady, m_sheet, &ExportSheet::start);
    connect(m_save, &SaveFlow::queueReady, this, [this](const QString &folder) {
        if (std::optional<ExportRequest> request = exportRequest(folder).request)
            m_queueFlow->add(std::move(*request));
    });
    connect(m_sheet, &ExportSheet::exportingChanged, this, &AppDelegate::setExporting);
    connect(m_sheet, &ExportSheet::finished, this, &AppDelegate::exportFinished);
    connect(m_queueFlow, &QueueFlow::severalQueued, this, &AppDelegate::severalQueued);
    const auto showInFolder = [](const QString &pagePath) { showInFileManager(pagePath); };
    connect(m_sheet, &ExportSheet::openInBrowserRequested, m_pages, &PagePreview::open);
    connect(m_sheet, &ExportSheet::showInFolderRequested, this, showInFolder);
    connect(m_queueFlow, &QueueFlow::openInBrowserRequested, m_pages, &PagePreview::open);
    connect(m_queueFlow, &QueueFlow::showInFolderRequested, this, showInFolder);
    connect(m_sheet, &ExportSheet::successAcknowledged, this, [this] {
        if (m_userDefaults.integer(PreferenceKeys::launchCount).value_or(0) % 10 == 0)
            Links::requestReview();
    });
}

void AppDelegate::setThemeIcons()
{
    // The user's icon theme first; the bundled icons where there is none.
    const std::pair<QAction *, QString> icons[] = {{m_ui->openVideoBTN, QStringLiteral("document-open")},
                                                   {m_ui->saveToolBarBTN, QStringLiteral("document-save")},
                                                   {m_ui->addToQueueBTN, QStringLiteral("list-add")},
                                                   {m_ui->helpBTN, QStringLiteral("help-contents")}};
    for (const auto &[action, name] : icons)
        action->setIcon(QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/actions/") + name + QStringLiteral(".svg"))));
}

void AppDelegate::setTabOrder()
{
    // The order the rows are read in: the output rows from the top, each from left to right.
    const QList<QWidget *> order = {m_ui->outputResolutionSlider, m_ui->outputFileSizeSlider, m_ui->outputFileSizeLimitBox,
                                    m_ui->posterImageSlider,      m_ui->trimStartSlider,      m_ui->trimStartEdit,
                                    m_ui->setStartBTN,            m_ui->trimEndSlider,        m_ui->trimEndEdit,
                                    m_ui->setEndBTN};
    for (qsizetype index = 1; index < order.size(); ++index)
        QWidget::setTabOrder(order.at(index - 1), order.at(index));
}

void AppDelegate::applicationDidFinishLaunching()
{
    m_window->setWindowIcon(QIcon::fromTheme(QStringLiteral("org.videofold.Videofold"),
                                             QIcon(QStringLiteral(":/icons/org.videofold.Videofold.svg"))));
    m_window->restoreGeometry(m_userDefaults.bytes(PreferenceKeys::windowGeometry));
    // Where the panels were, and which were shown.
    m_window->restoreState(m_userDefaults.bytes(PreferenceKeys::windowState));
    auto *opacity = new QGraphicsOpacityEffect(m_ui->dummyNavigationBarView);
    opacity->setOpacity(0.35);
    m_ui->dummyNavigationBarView->setGraphicsEffect(opacity);
    m_ui->dummyNavigationBarView->setBackgroundRole(QPalette::Highlight);
    // Runs killed outright left their temporary folders behind.
    m_worker.run([] { return removeStaleTemporaryFolders(); }, [](int) {});
    m_worker.run([] { return MediaTools::encoderHas(MediaTools::av1EncoderName); },
                 [this](bool available) { m_hasAv1Encoder = available; });
    m_queueFlow->offerLeftBehind();
    const QString version = QCoreApplication::applicationVersion();
    recordLaunch(m_userDefaults, version.isEmpty() ? std::nullopt : std::optional(version));
}

void AppDelegate::openLaunchArguments(const QStringList &arguments, const QString &workingDirectory)
{
    m_open->openLaunchArguments(arguments, workingDirectory);
}

void AppDelegate::stopAndQuit()
{
    m_quitGuard->stopAndQuit();
}

bool AppDelegate::isBusy() const
{
    return m_open->isAnalysing() || m_sheet->isExporting();
}

void AppDelegate::showSource()
{
    const SourceVideo &source = m_open->source();
    m_output->setSource(source);
    m_keptPart->setSource(source);
    m_save->setSource(source);
    updateSaveActions();
    m_ui->dummyNavigationBarView->setVisible(source.isOpen());
    if (source.isOpen())
        m_ui->outputResolutionSlider->setFocus(); // the first of the rows, as Tab would reach it
}

void AppDelegate::setExporting(bool exporting)
{
    // The settings on display are the export's until its job has taken them.
    m_output->setEnabled(!exporting);
    m_keptPart->setEnabled(!exporting);
    updateSaveActions();
    // The focus went when the controls were disabled: back to the first of the rows.
    const QWidget *focus = QApplication::focusWidget();
    if (!exporting && (!focus || !focus->isEnabled()) && m_ui->outputResolutionSlider->isEnabled())
        m_ui->outputResolutionSlider->setFocus();
}

void AppDelegate::updateSaveActions()
{
    // A zero frame size would only fail after a whole encode.
    const std::optional<FrameSize> size = m_output->frameSize();
    const bool enabled = size && !size->isEmpty() && !m_sheet->isExporting();
    m_ui->saveToolBarBTN->setEnabled(enabled);
    m_ui->addToQueueBTN->setEnabled(enabled);
}

ExportChoice AppDelegate::exportChoice() const
{
    ExportChoice choice;
    m_output->fillChoice(choice);
    m_keptPart->fillChoice(choice);
    choice.page = {m_userDefaults.boolean(PreferenceKeys::controls), m_userDefaults.boolean(PreferenceKeys::autoplay),
                   m_userDefaults.boolean(PreferenceKeys::loop), m_userDefaults.boolean(PreferenceKeys::muted)};
    choice.minimalPage = m_userDefaults.boolean(PreferenceKeys::minimalPage);
    choice.fastStart = m_userDefaults.boolean(PreferenceKeys::fastStart);
    choice.adaptive = m_userDefaults.boolean(PreferenceKeys::adaptive);
    choice.approximateSize = m_userDefaults.boolean(PreferenceKeys::approximateSize);
    choice.av1Version = m_userDefaults.boolean(PreferenceKeys::av1Version) && av1Unavailable().isEmpty();
    choice.evenLoudness = m_userDefaults.boolean(PreferenceKeys::loudness);
    return choice;
}

ChosenExport AppDelegate::exportRequest(const QString &folder) const
{
    const SourceVideo &source = m_open->source();
    if (!source.isOpen())
        return {std::nullopt, tr("No video is open.")};
    ChosenExport chosen = chooseExport(source.path, source.probe, exportChoice(), folder);
    // Where no frame comes out at the output size, the preview on display stands in.
    if (chosen.request)
        chosen.request->fallbackPoster = m_output->posterImage();
    return chosen;
}

QString AppDelegate::av1Unavailable() const
{
    if (!m_hasAv1Encoder)
        return tr("Looking for the AV1 encoder...");
    if (!*m_hasAv1Encoder)
        return tr("The encoder in %1 was built without SVT-AV1 (libsvtav1), which the AV1 version needs.")
            .arg(MediaTools::resourceDirectory());
    return {};
}

void AppDelegate::showPreferences()
{
    auto *dialog = new PreferencesDialog(m_userDefaults, av1Unavailable(), m_window.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void AppDelegate::showAbout()
{
    m_worker.run([] { return MediaTools::encoderVersion(); }, [this](const QString &ffmpeg) {
        auto *about = new QMessageBox(QMessageBox::NoIcon, tr("About Videofold"),
                                      aboutText(QCoreApplication::applicationVersion(), ffmpeg), QMessageBox::Ok,
                                      m_window.get());
        about->setObjectName(QStringLiteral("aboutBox"));
        about->setIconPixmap(m_window->windowIcon().pixmap(64, 64));
        about->setWindowModality(Qt::WindowModal);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->open();
    });
}

QString aboutText(const QString &version, const QString &ffmpegVersion)
{
    const QString tools = ffmpegVersion.isEmpty() ? QCoreApplication::translate("AppDelegate", "FFmpeg was not found.") : ffmpegVersion.toHtmlEscaped();
    return QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p>")
        .arg(QCoreApplication::translate("AppDelegate", "Videofold %1").arg(version.toHtmlEscaped()),
             QCoreApplication::translate("AppDelegate", "Turns a video into a folder ready for the web: an H.264 video, a poster and a page that plays it.")
                 .toHtmlEscaped(),
             QCoreApplication::translate("AppDelegate", "Media work by %1").arg(tools),
             QCoreApplication::translate("AppDelegate", "Videofold is free software under the GNU General Public License, version 3 or later.").toHtmlEscaped());
}

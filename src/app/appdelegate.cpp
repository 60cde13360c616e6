#include "app/appdelegate.h"

#include "app/dropviews.h"
#include "app/exportsheet.h"
#include "app/links.h"
#include "app/mediainfomodel.h"
#include "app/notificationcenter.h"
#include "app/plaintextalert.h"
#include "app/posterpreview.h"
#include "app/preferencesdialog.h"
#include "app/recentfiles.h"
#include "common/diagnostics.h"
#include "common/displaytext.h"
#include "export/exportqueue.h"
#include "common/temporaryfolder.h"
#include "export/colour.h"
#include "export/encoderrun.h"
#include "export/outputsettings.h"
#include "export/posterframe.h"
#include "export/sourcefacts.h"
#include "probe/acceptance.h"
#include "serve/previewserver.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"
#include "ui_helpsheet.h"
#include "ui_mainwindow.h"
#include "ui_progresssheet.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGraphicsOpacityEffect>
#include <QIcon>
#include <QKeyEvent>
#include <QTreeView>
#include <QMessageBox>
#include <QToolButton>

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
    addToQueueBTN = m_mainUi->addToQueueBTN;
    exportSeveralVideosBTN = m_mainUi->exportSeveralVideosBTN;
    outputFileSizeLimitBox = m_mainUi->outputFileSizeLimitBox;
    outputFileSizeLimitBox->setCurrentIndex(-1);
    outputFileSizeLimitBox->lineEdit()->setPlaceholderText(QStringLiteral("Size limit"));
    m_sizeLimitProblem = m_mainUi->outputFileSizeLimitProblemLBL;
    m_sizeLimitProblem->hide();
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

    m_exportSheet = std::make_unique<ExportSheet>(*this, m_progressUi->progressDetail);
    connect(m_exportSheet.get(), &ExportSheet::finished, this, &AppDelegate::exportFinished);
    setUpQueue();
    connectKeptPart();

    setThemeIcons();
    connectActions();
    setAccessibleNames();
}

void AppDelegate::setThemeIcons()
{
    // The user's icon theme first; the bundled icons where there is none.
    const std::pair<QAction *, QString> icons[] = {{m_mainUi->openVideoBTN, QStringLiteral("document-open")},
                                                   {saveToolBarBTN, QStringLiteral("document-save")},
                                                   {addToQueueBTN, QStringLiteral("list-add")},
                                                   {m_mainUi->helpBTN, QStringLiteral("help-contents")}};
    for (const auto &[action, name] : icons)
        action->setIcon(QIcon::fromTheme(name, QIcon(QStringLiteral(":/icons/actions/") + name + QStringLiteral(".svg"))));
}

AppDelegate::~AppDelegate() = default;

bool AppDelegate::isBusy() const
{
    return m_isAnalysing || m_exportSheet->isExporting();
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // Escape or the window manager's close button would take the sheet down
    // behind the controller's back; only the controller ends it.
    if (watched == window && event->type() == QEvent::Close) {
        if (m_exportSheet->isExporting() && !m_exportSheet->confirmQuit()) {
            event->ignore();
            return true;
        }
        if (!confirmQueueQuit()) {
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
    connect(addToQueueBTN, &QAction::triggered, this, &AppDelegate::addToQueueBTNClicked);
    connect(exportSeveralVideosBTN, &QAction::triggered, this, &AppDelegate::exportSeveralVideosBTNClicked);
    // Enter in the field or a pick from the list; focus leaving the field also takes what was typed.
    connect(outputFileSizeLimitBox, &QComboBox::textActivated, this, &AppDelegate::applySizeLimit);
    connect(outputFileSizeLimitBox->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const QString typed = outputFileSizeLimitBox->currentText();
        if (!typed.isEmpty() && (!m_sizeLimit || typed != byteCountText(quint64(*m_sizeLimit))))
            applySizeLimit(typed);
    });
    connect(m_mainUi->helpBTN, &QAction::triggered, this, &AppDelegate::helpBTNClicked);
    connect(m_mainUi->quitAction, &QAction::triggered, window, &QMainWindow::close);
    // Its shortcut also reaches it while the progress sheet has the focus.
    progressWindow->addAction(m_mainUi->quitAction);
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
                                      outputFileSizeLBL,      outputFileSizeLimitBox, m_sizeLimitProblem,
                                      posterIMGView,          posterImageSlider,
                                      progressWindow,         progressTitle,       progressBar,
                                      progressBarCancelBTN,   dummyNavigationBarView, helpWindow};
    for (QWidget *outlet : outlets)
        outlet->setAccessibleName(outlet->objectName());
    for (QAction *action : {m_mainUi->openVideoBTN, saveToolBarBTN, addToQueueBTN, m_mainUi->helpBTN}) {
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
    // Runs killed outright left their temporary folders behind.
    m_worker.run([] { return removeStaleTemporaryFolders(); }, [](int) {});
    m_worker.run([] { return MediaTools::encoderHas(MediaTools::av1EncoderName); },
                 [this](bool available) { m_hasAv1Encoder = available; });
    offerLeftBehindExports();

    const QString version = QCoreApplication::applicationVersion();
    recordLaunch(m_userDefaults, version.isEmpty() ? std::nullopt : std::optional(version));

    NotificationCenter::defaultCenter().addObserver(
        this, filesAddedByDragAndDrop,
        [this](const QVariantMap &userInfo) { filesAddedByDragAndDropWithNotification(userInfo); });
}

void AppDelegate::showAlert(QMessageBox::Icon icon, const QString &message, const QString &informative,
                            const QString &details)
{
    auto *alert = new QMessageBox(icon, QStringLiteral("Videofold"), message, QMessageBox::Ok, window);
    alert->setObjectName(QStringLiteral("alert"));
    alert->setInformativeText(informative);
    alert->setDetailedText(details);
    showTextsPlainly(alert);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
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

QString AppDelegate::av1Unavailable() const
{
    if (!m_hasAv1Encoder)
        return QStringLiteral("Looking for the AV1 encoder...");
    if (!*m_hasAv1Encoder)
        return QStringLiteral("The encoder in %1 was built without SVT-AV1 (libsvtav1), which the AV1 version needs.")
            .arg(MediaTools::resourceDirectory());
    return {};
}

void AppDelegate::showPreferences()
{
    auto *dialog = new PreferencesDialog(m_userDefaults, av1Unavailable(), window);
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


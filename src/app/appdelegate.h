#pragma once

#include "app/userdefaults.h"
#include "common/backgroundworker.h"
#include "export/exportchoice.h"
#include "probe/fileprobe.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStandardItemModel>
#include <QUrl>

#include <memory>
#include <optional>

class ExportQueue;
class ExportSheet;
class QComboBox;
class QueuePanel;
class PreviewServer;
class ImageDropView;
class PosterPreview;
class QAction;
class RecentFiles;
class QDialog;
class QFrame;
class QLineEdit;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QSlider;

namespace Ui {
class MainWindow;
class ProgressSheet;
class HelpSheet;
} // namespace Ui

// The application's one controller: owns the state of the open source file
// and holds every widget as a named outlet. Each action hands its work to a
// small unit: the open flow (openflow.cpp), the output controls
// (outputcontrols.cpp), the save panel (saveflow.cpp) and the export sheet
// (ExportSheet), which drives the core's export job.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    AppDelegate();
    ~AppDelegate() override;

    void applicationDidFinishLaunching();

    // Outlets.
    QMainWindow *window = nullptr;
    UserDefaults *userDefaults = nullptr;
    QSlider *outputResolutionSlider = nullptr;
    QLabel *outputResolutionLBL = nullptr;
    QSlider *outputFileSizeSlider = nullptr;
    QLabel *outputFileSizeLBL = nullptr;
    ImageDropView *posterIMGView = nullptr;
    QSlider *posterImageSlider = nullptr;
    QDialog *progressWindow = nullptr;
    QLabel *progressTitle = nullptr;
    QProgressBar *progressBar = nullptr;
    QPushButton *progressBarCancelBTN = nullptr;
    QAction *saveToolBarBTN = nullptr;
    QAction *addToQueueBTN = nullptr;
    QAction *exportSeveralVideosBTN = nullptr;
    QComboBox *outputFileSizeLimitBox = nullptr; // a size typed or picked as a limit
    QSlider *trimStartSlider = nullptr;          // the part kept, in ten-thousandths of the duration
    QSlider *trimEndSlider = nullptr;
    QLineEdit *trimStartEdit = nullptr;
    QLineEdit *trimEndEdit = nullptr;
    QLabel *keptPartLBL = nullptr;
    QLabel *posterTimeLBL = nullptr;
    QueuePanel *queuePanel = nullptr;
    QFrame *dummyNavigationBarView = nullptr;
    QDialog *helpWindow = nullptr;

    // State.
    std::optional<QUrl> sourceURL;
    std::shared_ptr<const FileProbe> globalFP;
    QPointer<QProcess> globalProcess; // the encoder launched last; empty once its run is gone
    bool isProcessCancelledByUser = false;

    [[nodiscard]] bool isBusy() const;
    [[nodiscard]] PosterPreview &posterPreview() { return *m_posterPreview; }
    [[nodiscard]] ExportQueue &exportQueue() { return *m_queue; }
    // The size limit typed or picked beside the target slider, while it holds.
    [[nodiscard]] std::optional<qint64> sizeLimit() const { return m_sizeLimit; }

public Q_SLOTS:
    void openVideoBTNClicked();
    void filesAddedByDragAndDropWithNotification(const QVariantMap &userInfo);
    void saveVideoBTNClicked();
    void addToQueueBTNClicked();
    void exportSeveralVideosBTNClicked();
    void outputResolutionSLDRChanged();
    void outputFileSizeSLDRChanged();
    void posterImageSLDRChanged();
    void closeBTNInsideProgressWindowClicked();
    // The session's end or an interrupt: as "Stop and Quit", without the question.
    void stopAndQuit();
    void helpBTNClicked();
    void okBTNInsideHelpWindowClicked();
    void showQuillreelApp();
    void launchWhatsApp();
    void rateAppBTNClicked();
    void checkoutMyOtherAppsBTNClicked();
    void showPreferences();
    void showAbout();

public:
    void openSourceVideo(const QUrl &url);
    // Opens the first file or file URL given at launch, as a drop would.
    void openLaunchArguments(const QStringList &arguments, const QString &workingDirectory);
    void resetControls();
    void enableControls();
    void showProgressSheet(bool indeterminate, const QString &title);
    void hideProgressSheet();
    void refreshResolutionLabel();
    void refreshFileSizeLabel();
    void refreshPosterPreview();

    // The save panel; then gets the folder chosen: an export now, or one queued.
    void askForOutputFolder(void (AppDelegate::*then)(const QString &path) = &AppDelegate::prepareOutputFolder);
    void prepareOutputFolder(const QString &path);
    // Queues an export of the video on display into path, after the save's refusals.
    void queueOutputFolder(const QString &path);
    // Queues one export per file, each in a new folder named after it inside
    // parent; the files that cannot be exported are named in one message.
    void queueSeveral(const QStringList &paths, const QString &parent);
    // Asks for the folder to put the exports of paths in, then queues them.
    void chooseFolderForSeveral(const QStringList &paths);
    // Takes text as the size limit, or says in place why it cannot be one. True when taken.
    bool applySizeLimit(const QString &text);
    // Keeps the part of the video from start to end (nothing: its end); false,
    // with the reason under the controls, when that keeps nothing.
    bool setKeptPart(double start, std::optional<double> end);
    [[nodiscard]] bool isPartKept() const { return m_keptStart > 0 || m_keptEnd.has_value(); }
    // The kept part's share of the duration: exactly 1 with the whole video kept.
    [[nodiscard]] double keptFraction() const;
    // The time of the frame the poster slider shows.
    [[nodiscard]] double posterFrameSeconds() const;
    // The source's size for the part kept: 100 % of the target size.
    [[nodiscard]] quint64 keptSourceBytes() const;
    void setStartAtPoster();
    void setEndAtPoster();
    // What processes that are gone left unfinished in their queues, offered back.
    void offerLeftBehindExports();
    void startExport(const QString &folder);
    void handleSuccessAlertResponse(int response, const QString &pagePath, const QStringList &entries);
    // Opens the page in the browser through the preview server, or from disk when it cannot start.
    void openInBrowser(const QString &pagePath);
    // What the controls on display choose, and the export of the file on display into folder it gives.
    [[nodiscard]] ExportChoice exportChoice() const;
    [[nodiscard]] ChosenExport exportRequest(const QString &folder) const;
    // Why the AV1 version cannot be made here; empty when it can.
    [[nodiscard]] QString av1Unavailable() const;
    void updateSaveAvailability();
    // details: behind "Show Details...", when there are any.
    void showAlert(QMessageBox::Icon icon, const QString &message, const QString &informative,
                   const QString &details = QString());

Q_SIGNALS:
    // The exports asked for by queueSeveral are queued (or refused).
    void severalQueued(int queued, int refused);
    // An open attempt has ended, accepted or refused.
    void sourceVideoOpened(bool accepted);
    // An export's outcome is on screen (or its folder is gone, when cancelled).
    void exportFinished(bool success);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectActions();
    void setUpQueue();
    // Why path cannot take an export of the video on display (shown as an alert); false when it can.
    bool refuseOutputFolder(const QString &path);
    bool confirmQueueQuit();
    void queueDrained(int succeeded, int failed);
    void clearSizeLimit();
    void connectKeptPart();
    void resetKeptPart();
    void refreshKeptPart();
    void keptPartTyped(QLineEdit *edit, bool isStart);
    [[nodiscard]] double sliderSeconds(int value) const;
    // Several files dropped or passed at launch: the first opens, and the window offers to export them all.
    void offerSeveral(const QStringList &paths);
    // Opens the first of paths; with more than one, offers to export them all.
    void openSeveral(const QStringList &paths);
    void setThemeIcons();
    void showOpenFile(const QString &path);
    void setAccessibleNames();
    // What the background analysis of a file hands to the window.
    struct Analysis
    {
        std::shared_ptr<const FileProbe> probe;
        std::unique_ptr<QStandardItemModel> information; // built off the window's thread: it can be huge
    };
    static Analysis analyse(const QString &path);
    void finishOpening(const QUrl &url, Analysis analysis);
    void showRefusal(const QString &message);
    void showMediaInformation(std::unique_ptr<QStandardItemModel> model);
    // The frame size the resolution slider chooses; nothing without a loaded video.
    [[nodiscard]] std::optional<FrameSize> chosenFrameSize() const;

    std::unique_ptr<Ui::MainWindow> m_mainUi;
    std::unique_ptr<Ui::ProgressSheet> m_progressUi;
    std::unique_ptr<Ui::HelpSheet> m_helpUi;
    std::unique_ptr<QMainWindow> m_window;
    UserDefaults m_userDefaults;
    std::optional<bool> m_hasAv1Encoder; // known once the encoder has listed its encoders
    BackgroundWorker m_worker;
    PosterPreview *m_posterPreview = nullptr;
    RecentFiles *m_recentFiles = nullptr;
    bool m_isAnalysing = false;
    bool m_allowProgressClose = false;
    std::unique_ptr<PreviewServer> m_previewServer; // started when a page is first opened
    std::optional<qint64> m_sizeLimit;
    QList<QAction *> m_keptPartActions; // Set Start, Set End: enabled with the controls
    double m_keptStart = 0;
    std::optional<double> m_keptEnd;
    QLabel *m_sizeLimitProblem = nullptr;
    QWidget *m_severalOffer = nullptr; // "Export All" for several files dropped at once
    QLabel *m_severalOfferText = nullptr;
    QStringList m_severalPaths;
    bool m_queueShownOnce = false;
    bool m_queueStopping = false; // quitting once the queue's running export is gone
    QPointer<QMessageBox> m_queueQuestion;
    std::unique_ptr<ExportQueue> m_queue;
    std::unique_ptr<ExportSheet> m_exportSheet;     // last: it goes before the window and the worker
};

// The About box's text: the version, the FFmpeg in use and the licence.
[[nodiscard]] QString aboutText(const QString &version, const QString &ffmpegVersion);

// What a slider's 100 % stands for: "of 1280 x 720 (50 %)".
[[nodiscard]] QString sourceShareText(const QString &sourceValue, int percent);

// Sets a label's text and mirrors it for screen readers.
void setLabelText(QLabel *label, const QString &text);

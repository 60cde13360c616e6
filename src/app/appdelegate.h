#pragma once

#include "app/backgroundworker.h"
#include "app/userdefaults.h"
#include "export/encoderarguments.h"
#include "probe/fileprobe.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QStandardItemModel>
#include <QUrl>

#include <memory>
#include <optional>

class EncoderRun;
class ImageDropView;
class PosterPreview;
class QAction;
class RecentFiles;
class QDialog;
class QFrame;
class QLabel;
class QMainWindow;
class QProcess;
class QProgressBar;
class QTemporaryDir;
class QPushButton;
class QSlider;

namespace Ui {
class MainWindow;
class ProgressSheet;
class HelpSheet;
} // namespace Ui

// The application's one controller: owns the state of the open source file
// and holds every widget as a named outlet. Each action hands its work to a
// small unit (the probe, the poster preview, the output settings).
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
    QFrame *dummyNavigationBarView = nullptr;
    QDialog *helpWindow = nullptr;

    // State.
    std::optional<QUrl> sourceURL;
    std::shared_ptr<const FileProbe> globalFP;
    QProcess *globalProcess = nullptr;
    bool isProcessCancelledByUser = false;

    [[nodiscard]] bool isBusy() const { return m_isAnalysing || m_isExporting; }
    [[nodiscard]] PosterPreview &posterPreview() { return *m_posterPreview; }

public Q_SLOTS:
    void openVideoBTNClicked();
    void filesAddedByDragAndDropWithNotification(const QVariantMap &userInfo);
    void saveVideoBTNClicked();
    void outputResolutionSLDRChanged();
    void outputFileSizeSLDRChanged();
    void posterImageSLDRChanged();
    void closeBTNInsideProgressWindowClicked();
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

    void askForOutputFolder();
    void prepareOutputFolder(const QString &path);
    void startExport(const QString &folder);
    void runExport(const QStringList &arguments, const QString &folder, std::optional<double> duration);
    void finishExport(const QString &folder, bool encoderEndedNormally);
    void handleSuccessAlertResponse(int response, const QString &pagePath, const QStringList &entries);

Q_SIGNALS:
    // An open attempt has ended, accepted or refused.
    void sourceVideoOpened(bool accepted);
    // An export's outcome is on screen (or its folder is gone, when cancelled).
    void exportFinished(bool success);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectActions();
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
    void updateSaveAvailability();
    void showMediaInformation(std::unique_ptr<QStandardItemModel> model);
    void showExportProgress(double percent);
    void showExportVerdict(const QString &folder, bool success, const QStringList &entries);
    void showAlert(QMessageBox::Icon icon, const QString &message, const QString &informative);
    bool confirmQuitDuringExport();
    // Leaves the exporting state; true when a quit was asked for meanwhile, and the window then closes.
    bool endExport();
    // Writes the page, then starts the encoder.
    void writeFolderAndEncode(const QString &folder);
    void writePosterWhileEncoding(const QString &folder);
    // The second of the two runs for an exact size, with the rate the first one allows.
    void runFinalPass(const QString &folder);
    // Once more when the final pass missed the target; false when it did not.
    bool runCorrectedPass(const QString &folder);
    void reportSizeShortfall(const QString &folder) const;
    void setSettingsFrozen(bool frozen);

    std::unique_ptr<Ui::MainWindow> m_mainUi;
    std::unique_ptr<Ui::ProgressSheet> m_progressUi;
    std::unique_ptr<Ui::HelpSheet> m_helpUi;
    std::unique_ptr<QMainWindow> m_window;
    UserDefaults m_userDefaults;
    BackgroundWorker m_worker;
    PosterPreview *m_posterPreview = nullptr;
    RecentFiles *m_recentFiles = nullptr;
    bool m_isAnalysing = false;
    bool m_allowProgressClose = false;
    bool m_isExporting = false;
    bool m_quitAfterExport = false;
    bool m_isWaitingForPoster = false;        // for the preview's last extraction, before anything starts
    bool m_isPosterPending = false;           // the full-size poster is being extracted
    bool m_isVerdictWaitingForPoster = false; // the encoder ended first
    bool m_encoderEndedNormally = false;
    quint64 m_exportTicket = 0; // tells a waiting export's poster callback whether it still counts
    std::unique_ptr<EncoderRun> m_export;
    QString m_exportFolder;
    QStringList m_exportCaptionNames;
    std::unique_ptr<QTemporaryDir> m_exportTemporary; // the export's own files, gone with it
    EncoderInputs m_exportInputs;
    int m_exportRunIndex = 0;
    int m_exportRunCount = 1;
    double m_exportPercent = 0;
    qint64 m_exportAudioBytes = 0;
    qint64 m_exportOverheadBytes = 0;
    double m_exportVideoKilobits = 0;
    QElapsedTimer m_exportClock; // across the runs of one export // what the folder holds beside the three entries
};

// The About box's text: the version, the FFmpeg in use and the licence.
[[nodiscard]] QString aboutText(const QString &version, const QString &ffmpegVersion);

// What a slider's 100 % stands for: "of 1280 x 720 (50 %)".
[[nodiscard]] QString sourceShareText(const QString &sourceValue, int percent);

// Sets a label's text and mirrors it for screen readers.
void setLabelText(QLabel *label, const QString &text);

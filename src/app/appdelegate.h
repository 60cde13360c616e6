#pragma once

#include "app/userdefaults.h"
#include "common/backgroundworker.h"
#include "export/exportchoice.h"

#include <QObject>

#include <memory>
#include <optional>

class ExportQueue;
class ExportSheet;
class KeptPartControls;
class OpenFlow;
class OutputControls;
class PagePreview;
class ProgressSheet;
class QMainWindow;
class QueueFlow;
class QuitGuard;
class SaveFlow;

namespace Ui {
class MainWindow;
}

// The application's hub: it builds the window and its parts (opening, the
// output controls, the part kept, saving, the queue, the export sheet and the
// quit guard) and connects them; each part owns its behaviour and state.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    AppDelegate();
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // Opens the first file or file URL given at launch, as a drop would.
    void openLaunchArguments(const QStringList &arguments, const QString &workingDirectory);
    // The session's end or an interrupt: as "Stop and Quit", without the question.
    void stopAndQuit();

    [[nodiscard]] QMainWindow *window() const { return m_window.get(); }
    [[nodiscard]] bool isBusy() const;
    // Why the AV1 version cannot be made here; empty when it can.
    [[nodiscard]] QString av1Unavailable() const;
    // What the controls on display choose, and the export of the video on display into folder it gives.
    [[nodiscard]] ExportChoice exportChoice() const;
    [[nodiscard]] ChosenExport exportRequest(const QString &folder) const;

    // The parts, as the tests and the bench drive them.
    [[nodiscard]] OpenFlow &opening() const { return *m_open; }
    [[nodiscard]] OutputControls &outputControls() const { return *m_output; }
    [[nodiscard]] KeptPartControls &keptPart() const { return *m_keptPart; }
    [[nodiscard]] SaveFlow &saving() const { return *m_save; }
    [[nodiscard]] QueueFlow &queueing() const { return *m_queueFlow; }
    [[nodiscard]] ExportSheet &exportSheet() const { return *m_sheet; }
    [[nodiscard]] ExportQueue &exportQueue() const { return *m_queue; }
    [[nodiscard]] ProgressSheet &progressSheet() const { return *m_progress; }
    [[nodiscard]] UserDefaults &userDefaults() { return m_userDefaults; }

Q_SIGNALS:
    // An open attempt has ended, accepted or refused.
    void sourceVideoOpened(bool accepted);
    // An export's outcome is on screen (or its folder is gone, when cancelled).
    void exportFinished(bool success);
    // The exports of several videos at once are queued (or refused).
    void severalQueued(int queued, int refused);

private:
    void buildParts();
    void connectActions();
    void connectParts();
    void setThemeIcons();
    void setTabOrder();
    void showSource();
    void setExporting(bool exporting);
    void updateSaveActions();
    void showPreferences();
    void showAbout();

    std::unique_ptr<Ui::MainWindow> m_ui;
    UserDefaults m_userDefaults;
    std::unique_ptr<ExportQueue> m_queue;
    std::unique_ptr<QMainWindow> m_window; // the parts are its children
    BackgroundWorker m_worker;             // goes first: no result reaches a part that is gone
    ProgressSheet *m_progress = nullptr;
    OpenFlow *m_open = nullptr;
    OutputControls *m_output = nullptr;
    KeptPartControls *m_keptPart = nullptr;
    SaveFlow *m_save = nullptr;
    QueueFlow *m_queueFlow = nullptr;
    ExportSheet *m_sheet = nullptr;
    QuitGuard *m_quitGuard = nullptr;
    PagePreview *m_pages = nullptr;
    std::optional<bool> m_hasAv1Encoder; // known once the encoder has listed its encoders
};

// The About box's text: the version, the FFmpeg in use and the licence.
[[nodiscard]] QString aboutText(const QString &version, const QString &ffmpegVersion);

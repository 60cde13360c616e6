#pragma once

#include "export/exportchoice.h"
#include "export/outputfolder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ExportJob;
class ExportQueue;
class PosterPreview;
class ProgressSheet;
class QProcess;
class QWidget;

// The window's own export: the progress sheet while the core's export job
// runs, and the verdict alert at its end. It waits for the poster preview (the
// poster is the frame on display) and for an export the queue is running.
class ExportSheet : public QObject
{
    Q_OBJECT
public:
    // The export of the video on display into a folder, taken when the job starts.
    using RequestFor = std::function<ChosenExport(const QString &folder)>;
    ExportSheet(QWidget *window, ProgressSheet &sheet, ExportQueue &queue, PosterPreview &preview, RequestFor requestFor,
                QObject *parent = nullptr);
    // Quitting mid-export stops the encoder and leaves no partial folder.
    ~ExportSheet() override;

    [[nodiscard]] bool isExporting() const { return m_isExporting; }
    // The encoder of the run under way, while there is one.
    [[nodiscard]] QProcess *encoderProcess() const;
    // Exports into folder, which exists and is empty.
    void start(const QString &folder);
    // The sheet's Cancel: the export stops and its folder goes.
    void cancel();
    // The application is quitting: the export stops as Cancel stops it (or
    // ends, when only its verdict is left), without an alert.
    void stop();

Q_SIGNALS:
    // The settings on display are frozen while an export takes them.
    void exportingChanged(bool exporting);
    // The outcome is on screen (or the folder is gone, when cancelled or stopped).
    void finished(bool success);
    // The success alert's buttons.
    void openInBrowserRequested(const QString &pagePath);
    void showInFolderRequested(const QString &pagePath);
    void successAcknowledged();

private:
    // Starts the job once the queue's running export has ended.
    void startWhenQueueIdle(const QString &folder, quint64 ticket);
    void startJob(const QString &folder);
    void showProgress(double percent, const QString &runName);
    void showOutcome(const ExportOutcome &outcome);
    static QString adaptiveFolderText(const ExportOutcome &outcome);
    void showSuccessAlert(const QString &folder, const ExportOutcome &outcome);
    // Leaves the exporting state; true when the export was stopped, so that no alert follows.
    bool end();

    QWidget *m_window;
    ProgressSheet &m_sheet;
    ExportQueue &m_queue;
    PosterPreview &m_preview;
    RequestFor m_requestFor;
    std::unique_ptr<ExportJob> m_job;
    QString m_folder;
    std::optional<FolderIdentity> m_folderIdentity;
    bool m_isExporting = false;
    bool m_isWaiting = false; // for the preview's last extraction or the queue, before the job starts
    bool m_stopped = false;
    quint64 m_ticket = 0; // tells a waiting export's callbacks whether they still count
    QElapsedTimer m_clock;
};

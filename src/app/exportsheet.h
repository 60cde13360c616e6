#pragma once

#include "export/exportrequest.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class AppDelegate;
class ExportJob;
class QLabel;
class QMessageBox;

// The window's side of an export: the progress sheet while the export job
// runs, the settings frozen meanwhile, and the verdict alert at its end.
class ExportSheet : public QObject
{
    Q_OBJECT
public:
    ExportSheet(AppDelegate &delegate, QLabel *progressDetail);
    // Quitting mid-export stops the encoder and leaves no partial folder.
    ~ExportSheet() override;

    [[nodiscard]] bool isExporting() const { return m_isExporting; }
    // Exports into folder, which exists and is empty, once the poster preview is idle.
    void start(const QString &folder);
    // The sheet's Cancel: the export stops and its folder goes.
    void cancel();
    // Asks whether to stop the export and quit; the window closes when the
    // answer is yes (at once, or when the export has ended). Always false.
    bool confirmQuit();
    // Stops the export and closes the window once it is gone.
    void stopAndQuit();

Q_SIGNALS:
    // The outcome is on screen (or the folder is gone, when cancelled).
    void finished(bool success);

private:
    // Starts the job once the queue's running export has ended.
    void startWhenQueueIdle(const QString &folder, quint64 ticket);
    void startJob(const QString &folder);
    void showProgress(double percent, const QString &runName);
    void showOutcome(const ExportOutcome &outcome);
    void showSuccessAlert(const QString &folder, const ExportOutcome &outcome);
    // Leaves the exporting state; true when a quit was asked for meanwhile, and the window then closes.
    bool end();
    void setSettingsFrozen(bool frozen);

    AppDelegate &m_delegate;
    QLabel *m_progressDetail;
    std::unique_ptr<ExportJob> m_job;
    QString m_folder;
    bool m_isExporting = false;
    bool m_isWaitingForPoster = false; // for the preview's last extraction or the queue, before the job starts
    bool m_quitAfterExport = false;
    QPointer<QMessageBox> m_quitQuestion;
    quint64 m_ticket = 0; // tells a waiting export's poster callback whether it still counts
    QElapsedTimer m_clock;
};

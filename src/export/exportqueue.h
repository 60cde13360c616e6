#pragma once

#include "common/backgroundworker.h"
#include "export/queuedexport.h"
#include "export/queuestore.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class ExportJob;

// Exports run one at a time, in the order they were added, each through the
// export job. The list is kept on disk on every change when a file is given,
// so a new launch can offer back what did not finish.
class ExportQueue : public QObject
{
    Q_OBJECT
public:
    // storeFile: where the queue is kept; empty for a queue kept in memory only.
    explicit ExportQueue(QString storeFile = {}, QObject *parent = nullptr);
    // A running export is stopped and its folder removed; the rest stays on
    // disk as unfinished, to be offered back.
    ~ExportQueue() override;

    // Queues an export into request.folder, an existing and empty folder made
    // for it. Without a description of the source, it is probed when its turn
    // comes. Returns the export's id.
    quint64 add(ExportRequest request);
    [[nodiscard]] const QList<QueuedExport> &exports() const { return m_exports; }
    [[nodiscard]] const QueuedExport *find(quint64 id) const;
    // Waiting or running.
    [[nodiscard]] int unfinishedCount() const;
    [[nodiscard]] bool isRunning() const { return m_runningId != 0; }
    // The share of the exports since the queue was last empty that is done, 0 to 1.
    [[nodiscard]] double overallFraction() const;

    // A waiting export ends as cancelled and its empty folder goes; a running
    // one is stopped, its folder removed, and the next one starts.
    void cancel(quint64 id);
    void cancelAll();
    // Takes a finished export off the list; its folder stays.
    void remove(quint64 id);
    void clearFinished();
    // While held, the running export goes on but no next one starts (for an
    // export of its own that the window runs meanwhile).
    void hold();
    void release();
    // The session ends: the running export is stopped and its folder removed,
    // and it stays unfinished on disk with the waiting ones. Nothing starts after.
    void interrupt();

Q_SIGNALS:
    void added(quint64 id);
    void removed(quint64 id);
    // Its state, progress or outcome changed.
    void exportChanged(quint64 id);
    // No export is running any more (one has ended and no next one started).
    void idle();
    // The last unfinished export has ended: how many of those since the queue
    // was last empty succeeded, failed and were cancelled.
    void drained(int succeeded, int failed, int cancelled);

private:
    QueuedExport *entry(quint64 id);
    void startNext();
    void probeAndStart(quint64 id);
    void startJob(quint64 id);
    void jobFinished(quint64 id, const ExportOutcome &outcome);
    void finish(QueuedExport &entry, QueuedExport::State state);
    // The session ends: the entry waits again, on disk, for the next launch to offer it back.
    void keepForNextLaunch(QueuedExport &entry);
    void changed(quint64 id);
    void save() const;

    QString m_storeFile;
    std::unique_ptr<QueueStore::Lock> m_lock; // says the stored queue's owner lives
    QList<QueuedExport> m_exports;
    quint64 m_nextId = 1;
    quint64 m_runningId = 0;
    quint64 m_batchFirstId = 1; // the first export added since the queue was last empty
    int m_holds = 0;
    bool m_interrupted = false;
    std::unique_ptr<ExportJob> m_job;
    BackgroundWorker m_worker; // last: a probe's thread ends before the rest goes
};

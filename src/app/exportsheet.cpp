#include "app/exportsheet.h"

#include "app/alerts.h"
#include "app/desktopnotices.h"
#include "app/links.h"
#include "app/posterpreview.h"
#include "app/progresssheet.h"
#include "common/displaytext.h"
#include "export/exportjob.h"
#include "export/exportqueue.h"
#include "export/htmlpage.h"
#include "export/outputfolder.h"
#include "export/settingstext.h"

#include <QProcess>
#include <QPushButton>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

ExportSheet::ExportSheet(QWidget *window, ProgressSheet &sheet, ExportQueue &queue, PosterPreview &preview,
                         RequestFor requestFor, QObject *parent)
    : QObject(parent), m_window(window), m_sheet(sheet), m_queue(queue), m_preview(preview),
      m_requestFor(std::move(requestFor))
{
    connect(&m_sheet, &ProgressSheet::cancelRequested, this, [this] {
        if (m_isExporting)
            cancel();
    });
}

ExportSheet::~ExportSheet()
{
    // The job removes its own folder; before it started, the folder is all there is.
    if (m_isWaiting)
        removeFolderIfSame(m_folder, m_folderIdentity);
}

QProcess *ExportSheet::encoderProcess() const
{
    return m_job ? m_job->encoderProcess() : nullptr;
}

void ExportSheet::start(const QString &folder)
{
    m_stopped = false;
    m_isExporting = true;
    m_folder = folder;
    m_folderIdentity = folderIdentity(folder); // the one made for this export
    Q_EMIT exportingChanged(true);
    // The sheet comes at once, so cancel works while the poster is still being extracted.
    m_sheet.show(false, tr("Creating HTML5 Video..."));
    m_isWaiting = true;
    const quint64 ticket = ++m_ticket;
    // One encoder at a time: the queue starts no next export meanwhile.
    m_queue.hold();
    // The poster is the frame of the slider's final position: let a pending extraction finish.
    m_preview.whenIdle([this, folder, ticket] { startWhenQueueIdle(folder, ticket); });
}

void ExportSheet::startWhenQueueIdle(const QString &folder, quint64 ticket)
{
    if (ticket != m_ticket || !m_isWaiting)
        return; // cancelled while waiting
    if (m_queue.isRunning()) {
        m_sheet.setDetail(tr("Waiting for the export under way in the queue to end..."));
        connect(&m_queue, &ExportQueue::idle, this, [this, folder, ticket] { startWhenQueueIdle(folder, ticket); },
                Qt::SingleShotConnection);
        return;
    }
    m_isWaiting = false;
    m_sheet.setDetail(QString());
    startJob(folder);
}

void ExportSheet::startJob(const QString &folder)
{
    ChosenExport chosen = m_requestFor(folder);
    if (!chosen.request) { // the settings were frozen since the folder was accepted: only a source gone
        removeFolderIfSame(folder, m_folderIdentity);
        ExportOutcome refused;
        refused.reason = chosen.refusal;
        showOutcome(refused);
        return;
    }
    m_job = std::make_unique<ExportJob>(std::move(*chosen.request));
    connect(m_job.get(), &ExportJob::progressChanged, this, &ExportSheet::showProgress);
    connect(m_job.get(), &ExportJob::finished, this, &ExportSheet::showOutcome);
    m_clock.start();
    m_job->start();
    if (!m_job->hasProgress())
        m_sheet.setIndeterminate(); // no duration, no percentage
}

void ExportSheet::showProgress(double percent, const QString &runName)
{
    m_sheet.setPercent(percent);
    DesktopNotices::showProgress(percent / 100);
    const double elapsed = double(m_clock.elapsed()) / 1000;
    m_sheet.setDetail(percent >= 1 ? tr("%1 · Elapsed %2, about %3 left", "the run, the time so far, the time left")
                                         .arg(runName, clockText(elapsed), clockText(elapsed * (100 - percent) / percent))
                                   : tr("%1 · Elapsed %2", "the run and the time so far").arg(runName, clockText(elapsed)));
}

void ExportSheet::cancel()
{
    if (m_isWaiting) {
        // Nothing was started yet: end the export now, not when the extraction does.
        m_isWaiting = false;
        m_sheet.hide();
        removeFolderIfSame(m_folder, m_folderIdentity);
        end();
        Q_EMIT finished(false);
        return;
    }
    if (m_job && m_isExporting)
        m_job->cancel();
}

void ExportSheet::stop()
{
    if (!m_isExporting)
        return;
    m_stopped = true;
    // Wherever the export is, it stops; only its verdict is left to end by itself, in a moment.
    if (m_isWaiting || !m_job || m_job->stage() != ExportStage::Judging)
        cancel();
}

void ExportSheet::showOutcome(const ExportOutcome &outcome)
{
    m_sheet.hide();
    const bool success = outcome.succeeded();
    if (end() || outcome.result == ExportOutcome::Result::Cancelled) {
        Q_EMIT finished(success);
        return;
    }
    // Someone who looked away from a long export learns of its end from the desktop.
    if (!m_window->isActiveWindow()) {
        const QString summary = success ? tr("HTML5 video created") : tr("Oops! Something went wrong!");
        DesktopNotices::notify(summary, QFileInfo(m_folder).fileName());
    }
    if (success) {
        showSuccessAlert(m_folder, outcome);
    } else {
        showAlert(m_window, QMessageBox::Critical, tr("Oops! Something went wrong!"),
                  tr("Contact: %1").arg(Links::supportEmail), outcome.reason);
    }
    Q_EMIT finished(success);
}

// An adaptive folder's qualities and total, or why the folder holds one quality only.
QString ExportSheet::adaptiveFolderText(const ExportOutcome &outcome)
{
    if (!outcome.adaptiveSkipped.isEmpty())
        return tr("The folder holds one quality only: %1").arg(outcome.adaptiveSkipped);
    if (outcome.qualities.isEmpty())
        return {};
    QStringList lines{tr("%n qualities for slow connections, %1 in all:", "", int(outcome.qualities.size()))
                          .arg(byteCountText(quint64(outcome.folderBytes)))};
    for (auto quality = outcome.qualities.crbegin(); quality != outcome.qualities.crend(); ++quality) {
        lines << tr("%1: %2 × %3, %4 Mb/s, %5", "a quality's name, width, height, average megabits per second and bytes")
                     .arg(quality->name)
                     .arg(quality->frame.width)
                     .arg(quality->frame.height)
                     .arg(QLocale().toString(double(quality->averageBitsPerSecond) / 1e6, 'f', 1),
                          byteCountText(quint64(quality->bytes)));
    }
    return lines.join(u'\n');
}

void ExportSheet::showSuccessAlert(const QString &folder, const ExportOutcome &outcome)
{
    auto *alert = new QMessageBox(QMessageBox::Information, QStringLiteral("Videofold"),
                                  tr("HTML5 Video created Successfully!"), QMessageBox::NoButton, m_window);
    alert->setObjectName(QStringLiteral("alert"));
    QString informative = folder;
    if (outcome.av1ProblemCode == Av1Problem::noSharper) {
        informative = tr("%1\n\n%2", "the folder, then why the AV1 version was left out").arg(folder, outcome.av1Problem);
    } else if (!outcome.av1Problem.isEmpty()) {
        informative = tr("%1\n\nThe AV1 version could not be made, so the page offers the H.264 video alone. %2")
                          .arg(folder, outcome.av1Problem);
    }
    if (const QString adaptive = adaptiveFolderText(outcome); !adaptive.isEmpty())
        informative += QStringLiteral("\n\n") + adaptive;
    alert->setInformativeText(informative);
    showTextsPlainly(alert);
    QPushButton *openInBrowser = alert->addButton(tr("Open in Browser"), QMessageBox::AcceptRole);
    QAbstractButton *showInFolder = alert->addButton(tr("Show in Folder"), QMessageBox::ActionRole);
    alert->setEscapeButton(alert->addButton(QMessageBox::Ok)); // its words from Qt, in the user's language
    alert->setDefaultButton(openInBrowser); // Return opens the page
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    const QString pagePath = folder + u'/' + pageFileName.toString();
    connect(alert, &QMessageBox::finished, this, [=, this, entries = outcome.entries] {
        if (alert->clickedButton() == openInBrowser)
            Q_EMIT openInBrowserRequested(pagePath);
        else if (alert->clickedButton() == showInFolder && entries.contains(pagePath))
            Q_EMIT showInFolderRequested(pagePath); // the page, even where caption files sort before it
        Q_EMIT successAcknowledged();
    });
    alert->open();
}

bool ExportSheet::end()
{
    if (!m_isExporting)
        return false;
    m_isExporting = false;
    m_isWaiting = false;
    if (m_job)
        m_job.release()->deleteLater(); // from inside its own signal
    m_queue.release();
    DesktopNotices::clearProgress();
    Q_EMIT exportingChanged(false);
    return std::exchange(m_stopped, false);
}

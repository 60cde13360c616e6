#include "app/exportsheet.h"

#include "app/appdelegate.h"
#include "app/desktopnotices.h"
#include "app/dropviews.h"
#include "app/links.h"
#include "app/plaintextalert.h"
#include "app/posterpreview.h"
#include "export/exportjob.h"
#include "export/exportqueue.h"
#include "export/htmlpage.h"
#include "export/settingstext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QSlider>

ExportSheet::ExportSheet(AppDelegate &delegate, QLabel *progressDetail)
    : m_delegate(delegate), m_progressDetail(progressDetail)
{
}

ExportSheet::~ExportSheet()
{
    // The job removes its own folder; before it started, the folder is all there is.
    if (m_isWaitingForPoster)
        QDir(m_folder).removeRecursively();
}

void ExportSheet::start(const QString &folder)
{
    m_delegate.isProcessCancelledByUser = false;
    m_isExporting = true;
    m_folder = folder;
    setSettingsFrozen(true);
    // The sheet comes at once, so cancel works while the poster is still being extracted.
    m_delegate.showProgressSheet(false, QStringLiteral("Creating HTML5 Video..."));
    setLabelText(m_progressDetail, QString());
    m_isWaitingForPoster = true;
    const quint64 ticket = ++m_ticket;
    // The poster is the frame of the slider's final position: let a pending extraction finish.
    // One encoder at a time: the queue starts no next export meanwhile.
    m_delegate.exportQueue().hold();
    m_delegate.posterPreview().whenIdle([this, folder, ticket] { startWhenQueueIdle(folder, ticket); });
}

void ExportSheet::startWhenQueueIdle(const QString &folder, quint64 ticket)
{
    if (ticket != m_ticket || !m_isWaitingForPoster)
        return; // cancelled while waiting
    ExportQueue &queue = m_delegate.exportQueue();
    if (queue.isRunning()) {
        setLabelText(m_progressDetail, QStringLiteral("Waiting for the export under way in the queue to end..."));
        connect(&queue, &ExportQueue::idle, this, [this, folder, ticket] { startWhenQueueIdle(folder, ticket); },
                Qt::SingleShotConnection);
        return;
    }
    m_isWaitingForPoster = false;
    setLabelText(m_progressDetail, QString());
    startJob(folder);
}

void ExportSheet::startJob(const QString &folder)
{
    ChosenExport chosen = m_delegate.exportRequest(folder);
    if (!chosen.request) { // the controls were frozen since the folder was accepted: only a vanished source
        ExportOutcome refused;
        refused.reason = chosen.refusal;
        QDir(folder).removeRecursively();
        showOutcome(refused);
        return;
    }
    m_job = std::make_unique<ExportJob>(std::move(*chosen.request));
    connect(m_job.get(), &ExportJob::encoderStarted, this, [this](QProcess *encoder) { m_delegate.globalProcess = encoder; });
    connect(m_job.get(), &ExportJob::progressChanged, this, &ExportSheet::showProgress);
    connect(m_job.get(), &ExportJob::finished, this, &ExportSheet::showOutcome);
    m_clock.start();
    m_job->start();
    if (!m_job->hasProgress())
        m_delegate.progressBar->setRange(0, 0); // no duration, no percentage
    // A cancel pressed before the job existed is not lost.
    if (m_delegate.isProcessCancelledByUser)
        m_job->cancel();
}

void ExportSheet::showProgress(double percent, const QString &runName)
{
    m_delegate.progressBar->setValue(int(std::lround(percent)));
    DesktopNotices::showProgress(percent / 100);
    const double elapsed = double(m_clock.elapsed()) / 1000;
    QString detail = runName + QStringLiteral(" · Elapsed ") + clockText(elapsed);
    if (percent >= 1)
        detail += QStringLiteral(", about %1 left").arg(clockText(elapsed * (100 - percent) / percent));
    setLabelText(m_progressDetail, detail);
}

void ExportSheet::cancel()
{
    m_delegate.isProcessCancelledByUser = true;
    if (m_isWaitingForPoster) {
        // Nothing was started yet: end the export now, not when the extraction does.
        m_isWaitingForPoster = false;
        m_delegate.hideProgressSheet();
        QDir(m_folder).removeRecursively();
        end();
        Q_EMIT finished(false);
        return;
    }
    if (m_job && m_isExporting)
        m_job->cancel();
}

void ExportSheet::showOutcome(const ExportOutcome &outcome)
{
    m_delegate.hideProgressSheet();
    const bool success = outcome.succeeded();
    // Cancelled, or the user asked to quit while the result was being checked: no alert.
    if (end() || outcome.result == ExportOutcome::Result::Cancelled) {
        Q_EMIT finished(success);
        return;
    }
    // Someone who looked away from a long export learns of its end from the desktop.
    if (!m_delegate.window->isActiveWindow()) {
        const QString summary = success ? QStringLiteral("HTML5 video created") : QStringLiteral("Oops! Something went wrong!");
        DesktopNotices::notify(summary, QFileInfo(m_folder).fileName());
    }
    if (success) {
        showSuccessAlert(m_folder, outcome);
    } else {
        m_delegate.showAlert(QMessageBox::Critical, QStringLiteral("Oops! Something went wrong!"),
                             QStringLiteral("Contact: ") + Links::supportEmail, outcome.reason);
    }
    Q_EMIT finished(success);
}

void ExportSheet::showSuccessAlert(const QString &folder, const ExportOutcome &outcome)
{
    auto *alert = new QMessageBox(QMessageBox::Information, QStringLiteral("Videofold"),
                                  QStringLiteral("HTML5 Video created Successfully!"), QMessageBox::NoButton,
                                  m_delegate.window);
    alert->setObjectName(QStringLiteral("alert"));
    QString informative = folder;
    if (!outcome.av1Problem.isEmpty()) {
        informative += QStringLiteral("\n\nThe AV1 version could not be made, so the page offers the H.264 video alone. ")
            + outcome.av1Problem;
    }
    alert->setInformativeText(informative);
    showTextsPlainly(alert);
    const QList<QAbstractButton *> buttons = {
        alert->addButton(QStringLiteral("Open in Browser"), QMessageBox::AcceptRole),
        alert->addButton(QStringLiteral("Show in Folder"), QMessageBox::ActionRole),
        alert->addButton(QStringLiteral("OK"), QMessageBox::RejectRole),
    };
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    const QString pagePath = folder + u'/' + pageFileName.toString();
    connect(alert, &QMessageBox::finished, this, [this, alert, buttons, pagePath, entries = outcome.entries] {
        const qsizetype index = buttons.indexOf(alert->clickedButton());
        m_delegate.handleSuccessAlertResponse(int(1000 + (index < 0 ? 2 : index)), pagePath, entries);
    });
    alert->open();
}

bool ExportSheet::end()
{
    if (!m_isExporting)
        return false;
    m_isExporting = false;
    m_isWaitingForPoster = false;
    setSettingsFrozen(false);
    m_delegate.exportQueue().release();
    DesktopNotices::clearProgress();
    // A question about an export that is over would mislead.
    if (m_quitQuestion)
        m_quitQuestion->close();
    if (!std::exchange(m_quitAfterExport, false))
        return false;
    m_delegate.window->close();
    return true;
}

bool ExportSheet::confirmQuit()
{
    if (m_quitAfterExport || m_quitQuestion)
        return false;
    auto *question = new QMessageBox(QMessageBox::Question, QStringLiteral("Videofold"),
                                     QStringLiteral("An HTML5 video is being created. Stop it and quit?"),
                                     QMessageBox::Cancel, m_delegate.window);
    QAbstractButton *stop = question->addButton(QStringLiteral("Stop and Quit"), QMessageBox::DestructiveRole);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    m_quitQuestion = question;
    connect(question, &QMessageBox::finished, this, [this, question, stop] {
        m_quitQuestion = nullptr; // closed, though not yet deleted
        if (question->clickedButton() == stop)
            stopAndQuit();
    });
    question->open();
    return false;
}

void ExportSheet::stopAndQuit()
{
    if (!m_isExporting) {
        m_delegate.window->close(); // the export ended meanwhile
        return;
    }
    // The export's end quits, whether the encoder still runs or has just finished.
    m_quitAfterExport = true;
    if (m_isWaitingForPoster || (m_job && m_job->encoderProcess()
                                 && m_job->encoderProcess()->state() != QProcess::NotRunning))
        cancel();
}

void ExportSheet::setSettingsFrozen(bool frozen)
{
    const bool enabled = !frozen && m_delegate.globalFP;
    for (QWidget *control : std::initializer_list<QWidget *>{m_delegate.outputResolutionSlider, m_delegate.outputFileSizeSlider,
                                                           m_delegate.outputFileSizeLimitBox, m_delegate.posterImageSlider})
        control->setEnabled(enabled);
    if (enabled)
        m_delegate.updateSaveAvailability();
    else
        for (QAction *action : {m_delegate.saveToolBarBTN, m_delegate.addToQueueBTN})
            action->setEnabled(false);
}

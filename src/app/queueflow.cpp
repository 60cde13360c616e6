// The export queue in the window: adding the video on display, several videos
// at once, the queue panel, what a crashed run left, and quitting with exports
// still to come.
#include "app/appdelegate.h"

#include "app/desktopnotices.h"
#include "app/filemanager.h"
#include "app/outputfolderdialog.h"
#include "app/plaintextalert.h"
#include "app/queuepanel.h"
#include "export/encoderarguments.h"
#include "export/exportpreflight.h"
#include "export/exportqueue.h"
#include "export/outputfolder.h"
#include "export/posterframe.h"
#include "export/queuestore.h"
#include "probe/acceptance.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>

namespace {

QString queueDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString countText(qsizetype count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

} // namespace

void AppDelegate::setUpQueue()
{
    m_queue = std::make_unique<ExportQueue>(QueueStore::filePath(queueDirectory(), QCoreApplication::applicationPid()));
    queuePanel = new QueuePanel(*m_queue, window);
    window->addDockWidget(Qt::BottomDockWidgetArea, queuePanel);
    queuePanel->hide();
    m_mainUi->viewMenu->addAction(queuePanel->toggleViewAction());
    connect(queuePanel, &QueuePanel::openInBrowserRequested, this, &AppDelegate::openInBrowser);
    connect(queuePanel, &QueuePanel::showInFolderRequested, this, [](const QString &path) { showInFileManager(path); });
    connect(m_queue.get(), &ExportQueue::added, this, [this] {
        if (!std::exchange(m_queueShownOnce, true))
            queuePanel->show();
    });
    connect(m_queue.get(), &ExportQueue::exportChanged, this, [this] {
        if (m_queue->isRunning())
            DesktopNotices::showProgress(m_queue->overallFraction());
    });
    connect(m_queue.get(), &ExportQueue::drained, this,
            [this](int succeeded, int failed, int) { queueDrained(succeeded, failed); });
    connect(m_queue.get(), &ExportQueue::idle, this, [this] {
        if (m_queueStopping)
            window->close(); // the running export is gone
    });
}

void AppDelegate::addToQueueBTNClicked()
{
    askForOutputFolder(&AppDelegate::queueOutputFolder);
}

void AppDelegate::queueOutputFolder(const QString &path)
{
    if (!globalFP || !sourceURL || isBusy() || refuseOutputFolder(path))
        return;
    recreateFolder(path);
    if (std::optional<ExportRequest> request = exportRequest(QDir::cleanPath(path)).request)
        m_queue->add(std::move(*request));
}

void AppDelegate::exportSeveralVideosBTNClicked()
{
    auto *panel = new QFileDialog(window, QStringLiteral("Choose the Videos to Export"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::accepted, this, [this, panel] {
        if (!panel->selectedFiles().isEmpty())
            chooseFolderForSeveral(panel->selectedFiles());
    });
    panel->open();
}

void AppDelegate::chooseFolderForSeveral(const QStringList &paths)
{
    auto *panel = new QFileDialog(window, QStringLiteral("Choose a Folder for the HTML5 Videos"),
                                  QFileInfo(paths.value(0)).path());
    panel->setObjectName(QStringLiteral("severalFolderPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setLabelText(QFileDialog::Accept, QStringLiteral("Export Here"));
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::accepted, this, [this, panel, paths] {
        if (!panel->selectedFiles().isEmpty())
            queueSeveral(paths, panel->selectedFiles().first());
    });
    panel->open();
}

void AppDelegate::queueSeveral(const QStringList &paths, const QString &parent)
{
    // The settings on display now, as shares of each source; each file whole,
    // as the part kept belongs to the video on display.
    ExportChoice choice = exportChoice();
    choice.start.reset();
    choice.end.reset();
    m_worker.run(
        [paths] {
            QList<std::shared_ptr<const FileProbe>> probes;
            for (const QString &path : paths)
                probes << std::make_shared<const FileProbe>(path);
            return probes;
        },
        [=, this](const QList<std::shared_ptr<const FileProbe>> &probes) {
            QStringList refusals;
            QStringList taken;
            int queued = 0;
            for (qsizetype index = 0; index < paths.size(); ++index) {
                const QString &path = paths.at(index);
                const QString folder = freeFolderPath(parent, folderNameFor(path), taken);
                ChosenExport chosen = chooseExport(path, probes.at(index), choice, folder);
                const std::optional<QString> refusal = chosen.refusalBeforeWriting();
                if (refusal) {
                    refusals << QFileInfo(path).fileName() + QStringLiteral(": ") + *refusal;
                    continue;
                }
                ExportRequest &request = *chosen.request;
                taken << request.folder;
                QDir().mkpath(request.folder);
                m_queue->add(std::move(request));
                ++queued;
            }
            if (!refusals.isEmpty()) {
                showAlert(QMessageBox::Warning,
                          countText(refusals.size(), QStringLiteral("1 file can't be exported."),
                                    QStringLiteral("%1 files can't be exported.")),
                          refusals.join(u'\n'));
            }
            Q_EMIT severalQueued(queued, int(refusals.size()));
        });
}

void AppDelegate::offerSeveral(const QStringList &paths)
{
    if (!m_severalOffer) {
        m_severalOffer = new QFrame;
        m_severalOffer->setObjectName(QStringLiteral("severalOffer"));
        m_severalOffer->setAutoFillBackground(true);
        m_severalOffer->setBackgroundRole(QPalette::AlternateBase);
        auto *layout = new QHBoxLayout(m_severalOffer);
        layout->setContentsMargins(18, 6, 18, 6);
        m_severalOfferText = new QLabel;
        m_severalOfferText->setWordWrap(true);
        auto *exportAll = new QPushButton(QStringLiteral("Export All..."));
        exportAll->setObjectName(QStringLiteral("exportAllBTN"));
        auto *dismiss = new QPushButton(QStringLiteral("Dismiss"));
        layout->addWidget(m_severalOfferText, 1);
        layout->addWidget(exportAll);
        layout->addWidget(dismiss);
        m_mainUi->centralLayout->insertWidget(1, m_severalOffer);
        connect(exportAll, &QPushButton::clicked, this, [this] {
            m_severalOffer->hide();
            chooseFolderForSeveral(m_severalPaths);
        });
        connect(dismiss, &QPushButton::clicked, m_severalOffer, &QWidget::hide);
    }
    m_severalPaths = paths;
    setLabelText(m_severalOfferText,
                 QStringLiteral("%1 videos were given: the first is open. Set the sliders, then export them all "
                                "with these settings, each into a folder named after it.")
                     .arg(paths.size()));
    m_severalOffer->show();
}

void AppDelegate::offerLeftBehindExports()
{
    const QueueStore::LeftBehind left = QueueStore::leftBehind(queueDirectory(), QCoreApplication::applicationPid());
    const auto discardFiles = [files = left.files] {
        for (const QString &file : files)
            QFile::remove(file);
    };
    if (left.unfinished.isEmpty()) {
        discardFiles();
        return;
    }
    QStringList names;
    for (const QueuedExport &entry : left.unfinished)
        names << QFileInfo(entry.request.sourcePath).fileName() + QStringLiteral(" → ") + entry.request.folder;
    auto *question = new QMessageBox(QMessageBox::Question, QStringLiteral("Videofold"),
                                     countText(left.unfinished.size(), QStringLiteral("1 export did not finish. Add it to the queue again?"),
                                               QStringLiteral("%1 exports did not finish. Add them to the queue again?")),
                                     QMessageBox::NoButton, window);
    question->setObjectName(QStringLiteral("leftBehindQuestion"));
    question->setInformativeText(names.join(u'\n'));
    showTextsPlainly(question);
    QAbstractButton *addAgain = question->addButton(QStringLiteral("Add to Queue"), QMessageBox::AcceptRole);
    question->addButton(QStringLiteral("Discard"), QMessageBox::RejectRole);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question, addAgain, left, discardFiles] {
        QStringList problems;
        for (QueuedExport entry : left.unfinished) {
            if (question->clickedButton() != addAgain) {
                QueueStore::abandon(entry); // its half-written or empty folder
                continue;
            }
            if (const std::optional<QString> problem = QueueStore::readyForRestart(entry))
                problems << QFileInfo(entry.request.sourcePath).fileName() + QStringLiteral(": ") + *problem;
            else
                m_queue->add(entry.request);
        }
        discardFiles();
        if (!problems.isEmpty())
            showAlert(QMessageBox::Warning, QStringLiteral("Some exports can't start again."), problems.join(u'\n'));
    });
    question->open();
}

bool AppDelegate::confirmQueueQuit()
{
    if (m_queueStopping)
        return !m_queue->isRunning(); // the window closes once the running export is gone
    const int unfinished = m_queue->unfinishedCount();
    if (unfinished == 0)
        return true;
    if (m_queueQuestion)
        return false;
    auto *question = new QMessageBox(QMessageBox::Question, QStringLiteral("Videofold"),
                                     countText(unfinished, QStringLiteral("1 export is not finished. Stop it and quit?"),
                                               QStringLiteral("%1 exports are not finished. Stop them and quit?")),
                                     QMessageBox::Cancel, window);
    question->setObjectName(QStringLiteral("queueQuitQuestion"));
    QAbstractButton *stop = question->addButton(QStringLiteral("Stop and Quit"), QMessageBox::DestructiveRole);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    m_queueQuestion = question;
    connect(question, &QMessageBox::finished, this, [this, question, stop] {
        m_queueQuestion = nullptr;
        if (question->clickedButton() != stop)
            return;
        m_queueStopping = true;
        m_queue->cancelAll(); // the running one's folder goes with it
        window->close();
    });
    question->open();
    return false;
}

void AppDelegate::queueDrained(int succeeded, int failed)
{
    DesktopNotices::clearProgress();
    if (!window->isActiveWindow() && succeeded + failed > 0)
        DesktopNotices::notify(queueSummaryText(succeeded, failed), QStringLiteral("The export queue is empty."));
}

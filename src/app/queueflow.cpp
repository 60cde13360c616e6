#include "app/queueflow.h"

#include "app/alerts.h"
#include "app/desktopnotices.h"
#include "app/labels.h"
#include "app/queuepanel.h"
#include "app/sidepanels.h"
#include "common/backgroundworker.h"
#include "export/exportqueue.h"
#include "export/outputfolder.h"
#include "export/queuestore.h"
#include "probe/fileprobe.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

QString queueDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QueueFlow::QueueFlow(const Widgets &widgets, ExportQueue &queue, BackgroundWorker &worker,
                     std::function<ExportChoice()> choice, QObject *parent)
    : QObject(parent), m_widgets(widgets), m_queue(queue), m_worker(worker), m_choice(std::move(choice)),
      m_panel(new QueuePanel(queue, widgets.window))
{
    // Beside the output rows, not under them: they keep their room while the queue runs.
    SidePanels::place(m_widgets.window, m_panel, m_widgets.besideDock);
    m_panel->hide();
    m_widgets.viewMenu->addAction(m_panel->toggleViewAction());
    connect(m_panel, &QueuePanel::openInBrowserRequested, this, &QueueFlow::openInBrowserRequested);
    connect(m_panel, &QueuePanel::showInFolderRequested, this, &QueueFlow::showInFolderRequested);
    connect(&m_queue, &ExportQueue::added, this, [this] {
        if (!std::exchange(m_panelShownOnce, true))
            SidePanels::show(m_widgets.window, m_panel, m_widgets.besideDock);
    });
    connect(&m_queue, &ExportQueue::exportChanged, this, [this] {
        if (m_queue.isRunning())
            DesktopNotices::showProgress(m_queue.overallFraction());
    });
    connect(&m_queue, &ExportQueue::drained, this, [this](int succeeded, int failed, int) { drained(succeeded, failed); });
}

void QueueFlow::add(ExportRequest request)
{
    m_queue.add(std::move(request));
}

void QueueFlow::chooseSeveral()
{
    auto *panel = new QFileDialog(m_widgets.window, tr("Choose the Videos to Export"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::accepted, this, [this, panel] {
        if (!panel->selectedFiles().isEmpty())
            chooseFolderForSeveral(panel->selectedFiles());
    });
    panel->open();
}

void QueueFlow::chooseFolderForSeveral(const QStringList &paths)
{
    auto *panel = new QFileDialog(m_widgets.window, tr("Choose a Folder for the HTML5 Videos"),
                                  QFileInfo(paths.value(0)).path());
    panel->setObjectName(QStringLiteral("severalFolderPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    panel->setLabelText(QFileDialog::Accept, tr("Export Here"));
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::accepted, this, [this, panel, paths] {
        if (!panel->selectedFiles().isEmpty())
            queueSeveral(paths, panel->selectedFiles().first());
    });
    panel->open();
}

void QueueFlow::queueSeveral(const QStringList &paths, const QString &parent)
{
    // The settings on display now, as shares of each source; each file whole,
    // as the part kept belongs to the video on display.
    ExportChoice choice = m_choice();
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
                ChosenExport chosen = chooseExport(path, probes.at(index), choice, freeFolderPath(parent, folderNameFor(path), taken));
                if (const std::optional<QString> refusal = chosen.refusalBeforeWriting()) {
                    refusals << tr("%1: %2", "a file's name and why it can't be exported").arg(QFileInfo(path).fileName(), *refusal);
                    continue;
                }
                taken << chosen.request->folder;
                QDir().mkpath(chosen.request->folder);
                m_queue.add(std::move(*chosen.request));
                ++queued;
            }
            if (!refusals.isEmpty()) {
                showAlert(m_widgets.window, QMessageBox::Warning,
                          tr("%n file(s) can't be exported.", nullptr, int(refusals.size())),
                          refusals.join(u'\n'));
            }
            Q_EMIT severalQueued(queued, int(refusals.size()));
        });
}

void QueueFlow::offerSeveral(const QStringList &paths)
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
        auto *exportAll = new QPushButton(tr("Export All..."));
        exportAll->setObjectName(QStringLiteral("exportAllBTN"));
        auto *dismiss = new QPushButton(tr("Dismiss"));
        layout->addWidget(m_severalOfferText, 1);
        layout->addWidget(exportAll);
        layout->addWidget(dismiss);
        m_widgets.centralLayout->insertWidget(1, m_severalOffer);
        connect(exportAll, &QPushButton::clicked, this, [this] {
            m_severalOffer->hide();
            chooseFolderForSeveral(m_severalPaths);
        });
        connect(dismiss, &QPushButton::clicked, m_severalOffer, &QWidget::hide);
    }
    m_severalPaths = paths;
    setLabelText(m_severalOfferText,
                 tr("%n video(s) were given: the first is open. Set the sliders, then export them all "
                    "with these settings, each into a folder named after it.",
                    nullptr, int(paths.size())));
    m_severalOffer->show();
}

void QueueFlow::offerLeftBehind()
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
        names << tr("%1 → %2", "a video and the folder of its export").arg(QFileInfo(entry.request.sourcePath).fileName(), entry.request.folder);
    QMessageBox *question = makeQuestion(
        m_widgets.window,
        tr("%n export(s) did not finish. Add them to the queue again?", nullptr, int(left.unfinished.size())),
        QMessageBox::NoButton);
    question->setObjectName(QStringLiteral("leftBehindQuestion"));
    question->setInformativeText(names.join(u'\n'));
    showTextsPlainly(question);
    QPushButton *addAgain = question->addButton(tr("Add to Queue"), QMessageBox::AcceptRole);
    question->setDefaultButton(addAgain);
    question->addButton(tr("Discard"), QMessageBox::RejectRole);
    connect(question, &QMessageBox::finished, this, [this, question, addAgain, left, discardFiles] {
        QStringList problems;
        for (QueuedExport entry : left.unfinished) {
            if (question->clickedButton() != addAgain) {
                QueueStore::abandon(entry); // its half-written or empty folder
                continue;
            }
            if (const std::optional<QString> problem = QueueStore::readyForRestart(entry))
                problems << tr("%1: %2", "a file's name and why it can't be exported").arg(QFileInfo(entry.request.sourcePath).fileName(), *problem);
            else
                m_queue.add(entry.request);
        }
        discardFiles();
        if (!problems.isEmpty())
            showAlert(m_widgets.window, QMessageBox::Warning, tr("Some exports can't start again."), problems.join(u'\n'));
    });
    question->open();
}

void QueueFlow::drained(int succeeded, int failed)
{
    DesktopNotices::clearProgress();
    if (!m_widgets.window->isActiveWindow() && succeeded + failed > 0)
        DesktopNotices::notify(queueSummaryText(succeeded, failed), tr("The export queue is empty."));
}

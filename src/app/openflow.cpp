#include "app/openflow.h"

#include "app/alerts.h"
#include "app/labels.h"
#include "app/links.h"
#include "app/mediainfomodel.h"
#include "app/notificationcenter.h"
#include "app/progresssheet.h"
#include "app/recentfiles.h"
#include "common/backgroundworker.h"
#include "export/sourcefacts.h"
#include "probe/acceptance.h"
#include "probe/fileprobe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTreeView>
#include <QUrl>

OpenFlow::OpenFlow(const Widgets &widgets, UserDefaults &defaults, BackgroundWorker &worker, ProgressSheet &sheet,
                   std::function<bool()> isExporting, QObject *parent)
    : QObject(parent), m_widgets(widgets), m_worker(worker), m_sheet(sheet), m_isExporting(std::move(isExporting)),
      m_recentFiles(new RecentFiles(defaults, widgets.recentMenu, this))
{
    connect(m_recentFiles, &RecentFiles::chosen, this, &OpenFlow::open);
    NotificationCenter::defaultCenter().addObserver(this, filesAddedByDragAndDrop, [this](const QVariantMap &userInfo) {
        const QVariant files = userInfo.value(QStringLiteral("key"));
        if (files.metaType() != QMetaType::fromType<QList<QUrl>>())
            return;
        QStringList paths;
        for (const QUrl &url : files.value<QList<QUrl>>())
            paths << url.toLocalFile();
        openSeveral(paths); // only folders dropped: nothing to open
    });
}

OpenFlow::~OpenFlow() = default;

bool OpenFlow::isBusy() const
{
    return m_isAnalysing || m_isExporting() || m_sheet.isVisible();
}

void OpenFlow::choose()
{
    if (isBusy())
        return;
    auto *panel = new QFileDialog(m_widgets.window);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::accepted, this, [this, panel] {
        const QList<QUrl> urls = panel->selectedUrls();
        if (!urls.isEmpty())
            open(urls.first().toLocalFile());
    });
    panel->open();
}

void OpenFlow::openLaunchArguments(const QStringList &arguments, const QString &workingDirectory)
{
    // A file manager's Open With passes paths or file URLs.
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument.startsWith(u'-'))
            continue; // an option, such as Qt's own
        const QUrl url = argument.contains(QStringLiteral("://")) || argument.startsWith(QStringLiteral("file:"))
            ? QUrl(argument)
            : QUrl::fromLocalFile(QDir(workingDirectory).absoluteFilePath(argument));
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    openSeveral(paths);
}

void OpenFlow::openSeveral(const QStringList &paths)
{
    if (paths.isEmpty() || isBusy())
        return;
    if (paths.size() > 1)
        Q_EMIT severalGiven(paths);
    open(paths.first());
}

void OpenFlow::open(const QString &path)
{
    if (isBusy())
        return;
    m_isAnalysing = true;
    m_sheet.show(true, tr("Analyzing File..."));
    m_worker.run([path] { return analyse(path); }, [this, path](Analysis analysis) { finish(path, std::move(analysis)); });
}

OpenFlow::Analysis OpenFlow::analyse(const QString &path)
{
    Analysis analysis;
    analysis.probe = std::make_shared<const FileProbe>(path);
    // Only valid media can be accepted, and only an accepted file shows its information.
    if (analysis.probe->isValidMediaFile) {
        analysis.information = buildMediaInfoModel(*analysis.probe);
        analysis.information->moveToThread(QCoreApplication::instance()->thread());
    }
    return analysis;
}

void OpenFlow::finish(const QString &path, Analysis analysis)
{
    m_isAnalysing = false;
    m_sheet.hide();
    if (const std::optional<QString> refusal = refusalMessage(path, *analysis.probe)) {
        // A recent file that is gone leaves the list.
        if (!QFileInfo::exists(path))
            m_recentFiles->remove(path);
        showAlert(m_widgets.window, QMessageBox::Information, *refusal, tr("Contact: %1").arg(Links::supportEmail),
                  refusalDetails(path, *analysis.probe));
        Q_EMIT opened(false);
        return;
    }
    m_source = {path, std::move(analysis.probe)};
    // The file path goes to the window manager; the title names the file first.
    m_widgets.window->setWindowFilePath(path);
    m_widgets.window->setWindowTitle(QFileInfo(path).fileName() + QStringLiteral(" – Videofold"));
    m_recentFiles->add(path);
    setLabelText(m_widgets.sourceFactsLabel, sourceFactsText(*m_source.probe));
    showInformation(std::move(analysis.information));
    Q_EMIT opened(true);
}

void OpenFlow::showInformation(std::unique_ptr<QStandardItemModel> model)
{
    QTreeView *view = m_widgets.mediaInfoView;
    QAbstractItemModel *previous = view->model();
    view->setModel(model.release());
    view->model()->setParent(view);
    delete previous;
    view->expandToDepth(0);
    view->resizeColumnToContents(0);
}

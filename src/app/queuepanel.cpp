#include "app/queuepanel.h"

#include "common/displaytext.h"
#include "export/exportqueue.h"
#include "export/htmlpage.h"

#include <QCoreApplication>
#include <QBoxLayout>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

enum Column { VideoColumn, FolderColumn, StateColumn, ActionsColumn };

constexpr int idRole = Qt::UserRole;

QString pagePath(const QueuedExport &entry)
{
    return entry.request.folder + u'/' + pageFileName.toString();
}

} // namespace

QString exportStateText(const QueuedExport &entry)
{
    switch (entry.state) {
    case QueuedExport::State::Waiting:
        return QCoreApplication::translate("QueuePanel", "Waiting");
    case QueuedExport::State::Running:
        if (entry.runName.isEmpty())
            return QCoreApplication::translate("QueuePanel", "Starting...");
        if (entry.percent <= 0)
            return entry.runName;
        return QCoreApplication::translate("QueuePanel", "%1, %2 %", "a run's name and how far it is").arg(entry.runName).arg(int(entry.percent));
    case QueuedExport::State::Done:
        return QCoreApplication::translate("QueuePanel", "Done: %1 of %2")
            .arg(byteCountText(quint64(std::max<qint64>(entry.outcome.videoBytes, 0))),
                 byteCountText(quint64(std::max<qint64>(entry.outcome.targetBytes, 0))));
    case QueuedExport::State::Failed:
        return QCoreApplication::translate("QueuePanel", "Failed: %1").arg(entry.outcome.reason.section(u'\n', 0, 0));
    case QueuedExport::State::Cancelled:
        return QCoreApplication::translate("QueuePanel", "Cancelled");
    }
    return {};
}

QString queueSummaryText(int succeeded, int failed)
{
    if (succeeded == 0)
        return QCoreApplication::translate("QueuePanel", "%n export(s) failed", nullptr, failed);
    const QString created = QCoreApplication::translate("QueuePanel", "%n HTML5 video(s) created", nullptr, succeeded);
    if (failed == 0)
        return created;
    return QCoreApplication::translate("QueuePanel", "%1, %n failed", "how many HTML5 videos were created, then how many exports failed", failed)
        .arg(created);
}

QueuePanel::QueuePanel(ExportQueue &queue, QWidget *parent)
    : QDockWidget(tr("Export Queue"), parent), m_queue(queue), m_list(new QTreeWidget),
      m_cancelAll(new QPushButton(tr("Cancel All"))), m_clearFinished(new QPushButton(tr("Clear Finished")))
{
    setObjectName(QStringLiteral("exportQueueDock"));
    setAccessibleName(tr("Export Queue"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_list->setObjectName(QStringLiteral("exportQueueList"));
    m_list->setAccessibleName(tr("Export Queue"));
    m_list->setHeaderLabels({tr("Video"), tr("Folder"), tr("State"), QString()});
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(StateColumn, QHeaderView::Stretch);
    // Beside the output rows the panel asks for the room its columns need, in the font in use.
    const int character = m_list->fontMetrics().averageCharWidth();
    m_list->setColumnWidth(VideoColumn, 16 * character);
    m_list->setColumnWidth(FolderColumn, 13 * character);
    m_list->setColumnWidth(StateColumn, 24 * character);
    m_list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    auto *listButtons = new QHBoxLayout;
    listButtons->addStretch();
    listButtons->addWidget(m_cancelAll);
    listButtons->addWidget(m_clearFinished);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_list);
    layout->addLayout(listButtons);
    setWidget(content);

    connect(m_cancelAll, &QPushButton::clicked, &m_queue, &ExportQueue::cancelAll);
    connect(m_clearFinished, &QPushButton::clicked, &m_queue, &ExportQueue::clearFinished);
    connect(&m_queue, &ExportQueue::added, this, &QueuePanel::addRow);
    connect(&m_queue, &ExportQueue::exportChanged, this, &QueuePanel::refreshRow);
    connect(&m_queue, &ExportQueue::removed, this, &QueuePanel::removeRow);
    for (const QueuedExport &entry : m_queue.exports())
        addRow(entry.id);
    refreshListButtons();
}

QPushButton *QueuePanel::button(quint64 id, const QString &name) const
{
    QTreeWidgetItem *item = row(id);
    QWidget *actions = item ? m_list->itemWidget(item, ActionsColumn) : nullptr;
    for (QPushButton *candidate : actions ? actions->findChildren<QPushButton *>() : QList<QPushButton *>()) {
        if (candidate->objectName() == name)
            return candidate;
    }
    return nullptr;
}

void QueuePanel::addRow(quint64 id)
{
    const QueuedExport *entry = m_queue.find(id);
    if (!entry)
        return;
    auto *item = new QTreeWidgetItem(m_list);
    item->setData(VideoColumn, idRole, id);
    item->setText(VideoColumn, QFileInfo(entry->request.sourcePath).fileName());
    item->setToolTip(VideoColumn, entry->request.sourcePath);
    item->setText(FolderColumn, QFileInfo(entry->request.folder).fileName());
    item->setToolTip(FolderColumn, entry->request.folder);
    m_rows.insert(id, item);

    auto *actions = new QWidget;
    auto *layout = new QHBoxLayout(actions);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(); // the buttons keep their size, at the row's end
    const QString page = pagePath(*entry);
    const auto addButton = [&](const QString &name, const QString &text, const QString &heard, auto action) {
        auto *button = new QPushButton(text);
        button->setObjectName(name);
        // A screen reader names the row's video with the button: "Cancel clip.mp4".
        button->setAccessibleName(heard.arg(item->text(VideoColumn)));
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this, action);
    };
    addButton(QStringLiteral("cancel"), tr("Cancel"), tr("Cancel %1", "a queued export's button; %1 is its video"),
              [this, id] { m_queue.cancel(id); });
    addButton(QStringLiteral("remove"), tr("Remove"), tr("Remove %1", "a queued export's button; %1 is its video"),
              [this, id] { m_queue.remove(id); });
    addButton(QStringLiteral("openInBrowser"), tr("Open in Browser"),
              tr("Open %1 in Browser", "a queued export's button; %1 is its video"),
              [this, page] { Q_EMIT openInBrowserRequested(page); });
    addButton(QStringLiteral("showInFolder"), tr("Show in Folder"),
              tr("Show %1 in Folder", "a queued export's button; %1 is its video"), [this, page, folder = entry->request.folder] {
        Q_EMIT showInFolderRequested(QFileInfo::exists(page) ? page : folder); // a failed export may have no page
    });
    m_list->setItemWidget(item, ActionsColumn, actions);
    refreshRow(id);
}

void QueuePanel::refreshRow(quint64 id)
{
    const QueuedExport *entry = m_queue.find(id);
    QTreeWidgetItem *item = row(id);
    if (!entry || !item)
        return;
    const QString state = exportStateText(*entry);
    item->setText(StateColumn, state);
    const bool done = entry->state == QueuedExport::State::Done;
    const bool failed = entry->state == QueuedExport::State::Failed;
    item->setToolTip(StateColumn, failed ? entry->outcome.reason : state);
    bool folderLeft = done;
    if (failed)
        folderLeft = QFileInfo(entry->request.folder).isDir(); // a refused export leaves none
    button(id, QStringLiteral("cancel"))->setVisible(!entry->isFinished());
    button(id, QStringLiteral("remove"))->setVisible(entry->isFinished());
    button(id, QStringLiteral("openInBrowser"))->setVisible(done);
    button(id, QStringLiteral("showInFolder"))->setVisible(folderLeft);
    // The buttons shown change the column's width; the view does not notice by itself.
    m_list->resizeColumnToContents(ActionsColumn);
    refreshListButtons();
}

void QueuePanel::removeRow(quint64 id)
{
    delete m_rows.take(id);
    refreshListButtons();
}

void QueuePanel::refreshListButtons()
{
    const auto &exports = m_queue.exports();
    m_cancelAll->setEnabled(m_queue.unfinishedCount() > 0);
    m_clearFinished->setEnabled(std::any_of(exports.begin(), exports.end(), [](const QueuedExport &e) { return e.isFinished(); }));
}

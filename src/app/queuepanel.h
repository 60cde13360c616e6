#pragma once

#include "export/queuedexport.h"

#include <QDockWidget>
#include <QHash>

class ExportQueue;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The export queue on screen: one row per export with its video, its folder
// and how far it has come, the actions that fit its state, and the actions on
// the whole list.
class QueuePanel : public QDockWidget
{
    Q_OBJECT
public:
    QueuePanel(ExportQueue &queue, QWidget *parent = nullptr);

    // The row of an export, for its state text and its buttons.
    [[nodiscard]] QTreeWidgetItem *row(quint64 id) const { return m_rows.value(id); }
    [[nodiscard]] QPushButton *button(quint64 id, const QString &name) const;

Q_SIGNALS:
    void openInBrowserRequested(const QString &pagePath);
    void showInFolderRequested(const QString &pagePath);

private:
    void addRow(quint64 id);
    void refreshRow(quint64 id);
    void removeRow(quint64 id);
    void refreshListButtons();

    ExportQueue &m_queue;
    QTreeWidget *m_list;
    QPushButton *m_cancelAll;
    QPushButton *m_clearFinished;
    QHash<quint64, QTreeWidgetItem *> m_rows;
};

// How far an export has come, as its row says it: "Waiting", "Final pass, 42 %",
// "Done: 7.9 MB of 8.0 MB", "Failed: ...", "Cancelled".
[[nodiscard]] QString exportStateText(const QueuedExport &entry);

// What the desktop says when the queue has emptied: "3 HTML5 videos created, 1 failed".
[[nodiscard]] QString queueSummaryText(int succeeded, int failed);

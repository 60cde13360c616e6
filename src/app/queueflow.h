#pragma once

#include "export/exportchoice.h"

#include <QObject>
#include <QStringList>

#include <functional>

class BackgroundWorker;
class ExportQueue;
class QBoxLayout;
class QDockWidget;
class QLabel;
class QMainWindow;
class QMenu;
class QueuePanel;
class QWidget;

// The export queue in the window: its panel, exports added to it, several
// videos at once (chosen, dropped or given at launch), what a crashed run left
// unfinished, and the desktop told when it empties.
class QueueFlow : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QMainWindow *window;
        QDockWidget *besideDock; // the panel shares its side, as a tab
        QMenu *viewMenu;
        QBoxLayout *centralLayout; // the "Export All" bar goes in it
    };
    // choice: what the controls on display choose, for several videos at once.
    QueueFlow(const Widgets &widgets, ExportQueue &queue, BackgroundWorker &worker, std::function<ExportChoice()> choice,
              QObject *parent = nullptr);

    [[nodiscard]] QueuePanel *panel() const { return m_panel; }
    void add(ExportRequest request);
    // File › Export Several Videos...: the files, then the folder for them.
    void chooseSeveral();
    // Several files given at once: a bar offers to export them all once the sliders are set.
    void offerSeveral(const QStringList &paths);
    // Queues one export per file with the choice on display, each in a new folder named
    // after it inside parent; the files that cannot be exported are named in one message.
    void queueSeveral(const QStringList &paths, const QString &parent);
    // What processes that are gone left unfinished in their queues, offered back.
    void offerLeftBehind();

Q_SIGNALS:
    void severalQueued(int queued, int refused);
    void openInBrowserRequested(const QString &pagePath);
    void showInFolderRequested(const QString &pagePath);

private:
    void chooseFolderForSeveral(const QStringList &paths);
    void drained(int succeeded, int failed);

    Widgets m_widgets;
    ExportQueue &m_queue;
    BackgroundWorker &m_worker;
    std::function<ExportChoice()> m_choice;
    QueuePanel *m_panel;
    bool m_panelShownOnce = false;
    QWidget *m_severalOffer = nullptr;
    QLabel *m_severalOfferText = nullptr;
    QStringList m_severalPaths;
};

// Where the queue of this process is kept.
[[nodiscard]] QString queueDirectory();

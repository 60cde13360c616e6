#pragma once

#include "app/sourcevideo.h"

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <memory>

class BackgroundWorker;
class ProgressSheet;
class QLabel;
class QMainWindow;
class QMenu;
class QStandardItemModel;
class QTreeView;
class RecentFiles;
class UserDefaults;

// Opening a video: the open panel, drops, launch arguments and recent files;
// the analysis off the window's thread under the sheet; the refusals; and what
// the window shows of the file opened (its title, facts and information pane).
class OpenFlow : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QMainWindow *window;
        QMenu *recentMenu;
        QTreeView *mediaInfoView;
        QLabel *sourceFactsLabel;
    };
    // isExporting: an open then would pull the description from under the export.
    OpenFlow(const Widgets &widgets, UserDefaults &defaults, BackgroundWorker &worker, ProgressSheet &sheet,
             std::function<bool()> isExporting, QObject *parent = nullptr);
    ~OpenFlow() override;

    [[nodiscard]] const SourceVideo &source() const { return m_source; }
    [[nodiscard]] bool isAnalysing() const { return m_isAnalysing; }

    // The open panel.
    void choose();
    // Analyses path and, when it can be exported, shows it; ignored while busy.
    void open(const QString &path);
    // The paths or file URLs given at launch (options skipped), as a drop.
    void openLaunchArguments(const QStringList &arguments, const QString &workingDirectory);
    // The first of paths opens; with more, severalGiven offers to export them all.
    void openSeveral(const QStringList &paths);

Q_SIGNALS:
    // An open attempt has ended: the video on display is the new one, or unchanged.
    void opened(bool accepted);
    void severalGiven(const QStringList &paths);

private:
    struct Analysis
    {
        std::shared_ptr<const FileProbe> probe;
        std::unique_ptr<QStandardItemModel> information; // built off the window's thread: it can be huge
    };
    static Analysis analyse(const QString &path);
    void finish(const QString &path, Analysis analysis);
    void showInformation(std::unique_ptr<QStandardItemModel> model);
    [[nodiscard]] bool isBusy() const;

    Widgets m_widgets;
    BackgroundWorker &m_worker;
    ProgressSheet &m_sheet;
    std::function<bool()> m_isExporting;
    RecentFiles *m_recentFiles;
    SourceVideo m_source;
    bool m_isAnalysing = false;
};

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class ExportQueue;
class ExportSheet;
class QMainWindow;
class QMessageBox;

// The one place that decides whether the window may close: with an export
// under way it asks first, then with exports still in the queue; each "Stop and
// Quit" stops what runs cleanly and closes the window once it is gone.
class QuitGuard : public QObject
{
    Q_OBJECT
public:
    // beforeClose: what to keep of the window once it closes.
    QuitGuard(QMainWindow *window, ExportSheet &sheet, ExportQueue &queue, std::function<void()> beforeClose,
              QObject *parent = nullptr);

    // The session's end or an interrupt: as "Stop and Quit", without a question;
    // what the queue had not finished is offered again at the next launch.
    void stopAndQuit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] bool mayClose();
    void askAboutExport();
    void askAboutQueue();
    void stopExport();

    QMainWindow *m_window;
    ExportSheet &m_sheet;
    ExportQueue &m_queue;
    std::function<void()> m_beforeClose;
    bool m_quitAfterExport = false;
    bool m_queueStopping = false; // quitting once the queue's running export is gone
    QPointer<QMessageBox> m_exportQuestion;
    QPointer<QMessageBox> m_queueQuestion;
};

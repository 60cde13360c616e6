#include "app/quitguard.h"

#include "app/alerts.h"
#include "app/exportsheet.h"
#include "export/exportqueue.h"

#include <QPushButton>
#include <QCloseEvent>
#include <QMainWindow>

QuitGuard::QuitGuard(QMainWindow *window, ExportSheet &sheet, ExportQueue &queue, std::function<void()> beforeClose,
                     QObject *parent)
    : QObject(parent), m_window(window), m_sheet(sheet), m_queue(queue), m_beforeClose(std::move(beforeClose))
{
    m_window->installEventFilter(this);
    connect(&m_sheet, &ExportSheet::finished, this, [this] {
        // A question about an export that is over would mislead.
        if (m_exportQuestion)
            m_exportQuestion->close();
        if (std::exchange(m_quitAfterExport, false))
            m_window->close();
    });
    connect(&m_queue, &ExportQueue::idle, this, [this] {
        if (m_queueStopping)
            m_window->close(); // the running export is gone
    });
}

bool QuitGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close && !mayClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool QuitGuard::mayClose()
{
    if (m_sheet.isExporting()) {
        if (!m_quitAfterExport && !m_exportQuestion)
            askAboutExport();
        return false;
    }
    if (m_queueStopping && m_queue.isRunning())
        return false; // the window closes once the running export is gone
    if (!m_queueStopping && m_queue.unfinishedCount() > 0) {
        if (!m_queueQuestion)
            askAboutQueue();
        return false;
    }
    m_beforeClose();
    return true;
}

void QuitGuard::askAboutExport()
{
    QMessageBox *question = makeQuestion(m_window, tr("An HTML5 video is being created. Stop it and quit?"),
                                         QMessageBox::Cancel);
    QAbstractButton *stop = question->addButton(tr("Stop and Quit"), QMessageBox::DestructiveRole);
    question->setDefaultButton(QMessageBox::Cancel); // Return keeps the export
    m_exportQuestion = question;
    connect(question, &QMessageBox::finished, this, [this, question, stop] {
        m_exportQuestion = nullptr; // closed, though not yet deleted
        if (question->clickedButton() == stop)
            stopExport();
    });
    question->open();
}

void QuitGuard::askAboutQueue()
{
    const int unfinished = m_queue.unfinishedCount();
    QMessageBox *question = makeQuestion(m_window,
                                         tr("%n export(s) are not finished. Stop them and quit?", nullptr, unfinished),
                                         QMessageBox::Cancel);
    question->setObjectName(QStringLiteral("queueQuitQuestion"));
    QAbstractButton *stop = question->addButton(tr("Stop and Quit"), QMessageBox::DestructiveRole);
    question->setDefaultButton(QMessageBox::Cancel); // Return keeps the exports
    m_queueQuestion = question;
    connect(question, &QMessageBox::finished, this, [this, question, stop] {
        m_queueQuestion = nullptr;
        if (question->clickedButton() != stop)
            return;
        m_queueStopping = true;
        m_queue.cancelAll(); // the running one's folder goes with it
        m_window->close();
    });
    question->open();
}

void QuitGuard::stopExport()
{
    if (!m_sheet.isExporting()) {
        m_window->close(); // the export ended meanwhile
        return;
    }
    // The export's end closes the window, whether the encoder still runs or has just finished.
    m_quitAfterExport = true;
    m_sheet.stop();
}

void QuitGuard::stopAndQuit()
{
    m_queueStopping = true;
    m_queue.interrupt();
    stopExport();
}

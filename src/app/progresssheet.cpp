#include "app/progresssheet.h"

#include "app/labels.h"
#include "ui_progresssheet.h"

#include <QDialog>
#include <QKeyEvent>

#include <cmath>

ProgressSheet::ProgressSheet(QWidget *window)
    : QObject(window), m_ui(std::make_unique<Ui::ProgressSheet>()), m_dialog(new QDialog(window))
{
    m_ui->setupUi(m_dialog);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->installEventFilter(this);
    connect(m_ui->progressBarCancelBTN, &QPushButton::clicked, this, &ProgressSheet::cancelRequested);
}

ProgressSheet::~ProgressSheet() = default;

void ProgressSheet::show(bool indeterminate, const QString &title)
{
    m_ui->progressBarCancelBTN->setVisible(!indeterminate);
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->setRange(0, indeterminate ? 0 : 100);
    setLabelText(m_ui->progressTitle, title);
    m_dialog->setAccessibleName(title);
    setDetail(QString());
    m_dialog->open();
}

void ProgressSheet::hide()
{
    m_ui->progressBarCancelBTN->setVisible(false);
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->setRange(0, 0);
    m_allowClose = true;
    m_dialog->hide();
    m_allowClose = false;
}

bool ProgressSheet::isVisible() const
{
    return m_dialog->isVisible();
}

void ProgressSheet::setPercent(double percent)
{
    m_ui->progressBar->setValue(int(std::lround(percent)));
}

void ProgressSheet::setIndeterminate()
{
    m_ui->progressBar->setRange(0, 0);
}

void ProgressSheet::setDetail(const QString &text)
{
    setLabelText(m_ui->progressDetail, text);
}

bool ProgressSheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return !m_allowClose;
        }
        // Escape does what Cancel does, where there is one; it never just hides the sheet.
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            if (m_ui->progressBarCancelBTN->isVisible())
                Q_EMIT cancelRequested();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

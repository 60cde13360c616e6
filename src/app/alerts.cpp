#include "app/alerts.h"

#include <QLabel>

void showTextsPlainly(QMessageBox *alert)
{
    alert->setTextFormat(Qt::PlainText);
    // The informative label exists once its text is set and keeps its own format.
    if (auto *informative = alert->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
}

QMessageBox *showAlert(QWidget *parent, QMessageBox::Icon icon, const QString &message, const QString &informative,
                       const QString &details)
{
    auto *alert = new QMessageBox(icon, QStringLiteral("Videofold"), message, QMessageBox::Ok, parent);
    alert->setObjectName(QStringLiteral("alert"));
    alert->setInformativeText(informative);
    alert->setDetailedText(details);
    showTextsPlainly(alert);
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
    return alert;
}

QMessageBox *makeQuestion(QWidget *parent, const QString &message, QMessageBox::StandardButtons buttons)
{
    auto *question = new QMessageBox(QMessageBox::Question, QStringLiteral("Videofold"), message, buttons, parent);
    question->setWindowModality(Qt::WindowModal);
    question->setAttribute(Qt::WA_DeleteOnClose);
    return question;
}

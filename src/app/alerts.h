#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Makes an alert show its message and informative text as they are written:
// a folder named like markup must read as its name.
void showTextsPlainly(QMessageBox *alert);

// A window-modal alert over parent that deletes itself when answered; details
// go behind "Show Details...", when there are any. Tests find it as "alert".
QMessageBox *showAlert(QWidget *parent, QMessageBox::Icon icon, const QString &message, const QString &informative,
                       const QString &details = QString());

// A window-modal question over parent, deleted when answered.
QMessageBox *makeQuestion(QWidget *parent, const QString &message, QMessageBox::StandardButtons buttons);


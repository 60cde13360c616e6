#include "app/plaintextalert.h"

#include <QLabel>
#include <QMessageBox>

void showTextsPlainly(QMessageBox *alert)
{
    alert->setTextFormat(Qt::PlainText);
    // The informative label exists once its text is set and keeps its own format.
    if (auto *informative = alert->findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
}

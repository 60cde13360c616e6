#include "app/labels.h"

#include <QCoreApplication>
#include <QLabel>

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}

QString sourceShareText(const QString &sourceValue, int percent)
{
    return QCoreApplication::translate("Labels", "of %1 (%2 %)", "beside a slider: the source's size or frame size, and the share chosen")
        .arg(sourceValue)
        .arg(percent);
}

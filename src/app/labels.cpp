#include "app/labels.h"

#include <QLabel>

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
}

QString sourceShareText(const QString &sourceValue, int percent)
{
    return QStringLiteral("of %1 (%2 %)").arg(sourceValue).arg(percent);
}

#include "common/temporaryfolder.h"

#include <QDir>

QString privateTemporaryTemplate()
{
    QString base = QDir::tempPath();
    if (base.contains(u'%'))
        base = QStringLiteral("/tmp");
    return base + QStringLiteral("/videofold-XXXXXX");
}

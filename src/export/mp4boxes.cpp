#include "export/mp4boxes.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

QList<Mp4Box> mp4Boxes(QFile &file, qint64 start, qint64 end)
{
    QList<Mp4Box> boxes;
    for (qint64 at = start; at + 8 <= end;) {
        if (!file.seek(at))
            break;
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            break;
        quint64 size = qFromBigEndian<quint32>(header.constData());
        qint64 body = at + 8;
        if (size == 1) {
            const QByteArray large = file.read(8);
            if (large.size() < 8)
                break;
            size = qFromBigEndian<quint64>(large.constData());
            body += 8;
        } else if (size == 0) {
            size = quint64(end - at);
        }
        if (size < quint64(body - at))
            break;
        const qint64 boxEnd = size > quint64(end - at) ? end : at + qint64(size);
        boxes.append({header.mid(4, 4), body, boxEnd, at});
        at = boxEnd;
    }
    return boxes;
}

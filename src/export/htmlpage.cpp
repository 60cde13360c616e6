#include "export/htmlpage.h"

#include <QSaveFile>

QByteArray html5PageBytes(qint64 width, qint64 height, PageOptions options)
{
    static const QByteArray head = "<!DOCTYPE html>\n<html>\n\t<head>\n\t\t<meta charset=\"UTF-8\">\n"
                                   "\t</head>\n\t<body>\n\t\t<video width=\"";
    static const QByteArray tail = ">\n\t\t\t<source src=\"html5video.mp4\" type=\"video/mp4\">\n"
                                   "\t\t</video>\n\t</body>\n</html>";
    auto word = [](bool set, const char *text) { return set ? QByteArray(text) : QByteArray(); };
    return head + QByteArray::number(width) + "\" height=\"" + QByteArray::number(height)
        + "\" poster=\"poster.jpg\" " + word(options.controls, "controls") + ' '
        + word(options.autoplay, "autoplay") + ' ' + word(options.loop, "loop") + ' '
        + word(options.muted, "muted") + tail;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

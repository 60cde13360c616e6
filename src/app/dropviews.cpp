#include "app/dropviews.h"

#include "app/notificationcenter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

DropHighlight::DropHighlight(QWidget *view) : QWidget(view)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void DropHighlight::setActive(bool active)
{
    if (active) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    setVisible(active);
}

void DropHighlight::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlpha(40);
    painter.setBrush(fill);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3, Qt::DashLine));
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
}

namespace {

// The dropped files that are not folders, in drag order; nothing when the
// drop carries no local file at all (a web link, text).
std::optional<QList<QUrl>> droppedFiles(const QMimeData *data)
{
    QList<QUrl> files;
    bool anyLocalFile = false;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        anyLocalFile = true;
        const QFileInfo item(url.toLocalFile());
        if (item.exists() && !item.isDir())
            files.append(url);
    }
    if (!anyLocalFile)
        return std::nullopt;
    return files;
}

} // namespace

namespace DropSupport {

void acceptDrag(QDragEnterEvent *event, DropHighlight *highlight)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
    highlight->setActive(true);
}

void performDrop(QDropEvent *event, DropHighlight *highlight)
{
    highlight->setActive(false);
    const std::optional<QList<QUrl>> files = droppedFiles(event->mimeData());
    if (!files) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    NotificationCenter::defaultCenter().post(filesAddedByDragAndDrop,
                                             {{QStringLiteral("key"), QVariant::fromValue(*files)}});
}

} // namespace DropSupport

void ImageDropView::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void ImageDropView::paintEvent(QPaintEvent *event)
{
    if (m_image.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    // Painted rather than set as a pixmap, so the image never dictates the layout.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect room = contentsRect();
    const QSize fitted = m_image.size().scaled(room.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(room.center());
    painter.drawImage(target, m_image);
}

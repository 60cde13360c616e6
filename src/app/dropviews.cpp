#include "app/dropviews.h"

#include "app/notificationcenter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

// A translucent frame over a drop view while a drag hovers over it.
class DropHighlight : public QWidget
{
public:
    explicit DropHighlight(QWidget *view) : QWidget(view)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void setActive(bool active)
    {
        if (active) {
            setGeometry(parentWidget()->rect());
            raise();
        }
        setVisible(active);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor fill = palette().color(QPalette::Highlight);
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3, Qt::DashLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
    }
};

namespace {

void acceptDrag(QDragEnterEvent *event, DropHighlight *highlight)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
    highlight->setActive(true);
}

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

} // namespace

DropView::DropView(QWidget *parent) : QWidget(parent), m_highlight(new DropHighlight(this))
{
    setAcceptDrops(true);
}

void DropView::dragEnterEvent(QDragEnterEvent *event)
{
    acceptDrag(event, m_highlight);
}

void DropView::dragLeaveEvent(QDragLeaveEvent *)
{
    m_highlight->setActive(false);
}

void DropView::dropEvent(QDropEvent *event)
{
    performDrop(event, m_highlight);
}

ImageDropView::ImageDropView(QWidget *parent) : QLabel(parent), m_highlight(new DropHighlight(this))
{
    setAcceptDrops(true);
}

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

void ImageDropView::dragEnterEvent(QDragEnterEvent *event)
{
    acceptDrag(event, m_highlight);
}

void ImageDropView::dragLeaveEvent(QDragLeaveEvent *)
{
    m_highlight->setActive(false);
}

void ImageDropView::dropEvent(QDropEvent *event)
{
    performDrop(event, m_highlight);
}

ScrollDropView::ScrollDropView(QWidget *parent)
    : QScrollArea(parent), m_highlight(new DropHighlight(this))
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void ScrollDropView::dragEnterEvent(QDragEnterEvent *event)
{
    acceptDrag(event, m_highlight);
}

void ScrollDropView::dragLeaveEvent(QDragLeaveEvent *)
{
    m_highlight->setActive(false);
}

void ScrollDropView::dropEvent(QDropEvent *event)
{
    performDrop(event, m_highlight);
}

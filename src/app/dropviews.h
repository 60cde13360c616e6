#pragma once

#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

class QDragEnterEvent;
class QDragLeaveEvent;
class QDropEvent;

// A translucent frame over a drop view while a drag hovers over it.
class DropHighlight : public QWidget
{
public:
    explicit DropHighlight(QWidget *view);
    void setActive(bool active);

protected:
    void paintEvent(QPaintEvent *event) override;
};

namespace DropSupport {
// Every drag is answered with the copy action.
void acceptDrag(QDragEnterEvent *event, DropHighlight *highlight);
// Posts the dropped local files that are not folders, in drag order, as the
// "FilesAddedByDragAndDrop" notification; refuses a drop without a local file.
void performDrop(QDropEvent *event, DropHighlight *highlight);
} // namespace DropSupport

// The drop behaviour shared by the three views, over their different base widgets.
template <typename Base>
class DropTarget : public Base
{
public:
    explicit DropTarget(QWidget *parent) : Base(parent), m_highlight(new DropHighlight(this))
    {
        this->setAcceptDrops(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override { DropSupport::acceptDrag(event, m_highlight); }
    void dragLeaveEvent(QDragLeaveEvent *) override { m_highlight->setActive(false); }
    void dropEvent(QDropEvent *event) override { DropSupport::performDrop(event, m_highlight); }

private:
    DropHighlight *m_highlight;
};

class DropView : public DropTarget<QWidget>
{
    Q_OBJECT
public:
    explicit DropView(QWidget *parent = nullptr) : DropTarget(parent) {}
};

// The poster preview: shows an image scaled to fit, or its text without one.
class ImageDropView : public DropTarget<QLabel>
{
    Q_OBJECT
public:
    explicit ImageDropView(QWidget *parent = nullptr) : DropTarget(parent) {}

    [[nodiscard]] const QImage &image() const { return m_image; }
    void setImage(const QImage &image);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

class ScrollDropView : public DropTarget<QScrollArea>
{
    Q_OBJECT
public:
    explicit ScrollDropView(QWidget *parent = nullptr) : DropTarget(parent)
    {
        // Drags over a scroll area arrive at its viewport.
        viewport()->setAcceptDrops(true);
    }
};

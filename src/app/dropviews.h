#pragma once

#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

class QDragEnterEvent;
class QDropEvent;

// Drop targets for video files. Each accepts every drag with the copy action,
// and on a drop posts the dropped local files that are not folders, in drag
// order, as the "FilesAddedByDragAndDrop" notification. A drop that carries
// no local file is refused.
class DropHighlight;

class DropView : public QWidget
{
    Q_OBJECT
public:
    explicit DropView(QWidget *parent = nullptr);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    DropHighlight *m_highlight;
};

// The poster preview: shows an image scaled to fit, or its text without one.
class ImageDropView : public QLabel
{
    Q_OBJECT
public:
    explicit ImageDropView(QWidget *parent = nullptr);

    [[nodiscard]] const QImage &image() const { return m_image; }
    void setImage(const QImage &image);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    DropHighlight *m_highlight;
    QImage m_image;
};

class ScrollDropView : public QScrollArea
{
    Q_OBJECT
public:
    explicit ScrollDropView(QWidget *parent = nullptr);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    DropHighlight *m_highlight;
};

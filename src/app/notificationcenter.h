#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

// An in-process hub: senders post a named notification, observers registered
// for that name receive it at once, on the posting thread. Sender and
// receiver never see each other.
class NotificationCenter
{
public:
    using Handler = std::function<void(const QVariantMap &userInfo)>;

    [[nodiscard]] static NotificationCenter &defaultCenter();

    // The handler lives as long as observer does.
    void addObserver(QObject *observer, const QString &name, Handler handler);
    void post(const QString &name, const QVariantMap &userInfo);

private:
    struct Observer
    {
        QObject *object;
        QString name;
        Handler handler;
    };
    QList<Observer> m_observers;
};

// Posted by the drop views with {"key": QList<QUrl>} of the dropped files.
inline const QString filesAddedByDragAndDrop = QStringLiteral("FilesAddedByDragAndDrop");

#include "app/notificationcenter.h"

NotificationCenter &NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler)
{
    m_observers.append({observer, name, std::move(handler)});
    QObject::connect(observer, &QObject::destroyed, observer, [this, observer] {
        m_observers.removeIf([observer](const Observer &entry) { return entry.object == observer; });
    });
}

void NotificationCenter::post(const QString &name, const QVariantMap &userInfo)
{
    // A handler may add or remove observers; deliver to those registered now.
    const QList<Observer> observers = m_observers;
    for (const Observer &observer : observers) {
        if (observer.name == name)
            observer.handler(userInfo);
    }
}

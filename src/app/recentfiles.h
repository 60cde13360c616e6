#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class UserDefaults;

// File › Open Recent: the last accepted files, newest first, kept in the
// settings store, with "Clear Menu" at the end.
class RecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr qsizetype limit = 10;

    RecentFiles(UserDefaults &defaults, QMenu *menu, QObject *parent = nullptr);

    [[nodiscard]] QStringList paths() const;
    void add(const QString &path);
    void remove(const QString &path);
    void clear();

Q_SIGNALS:
    void chosen(const QString &path);

private:
    void store(const QStringList &paths);
    void rebuildMenu();

    UserDefaults &m_defaults;
    QMenu *m_menu;
};

#include "app/recentfiles.h"

#include "app/userdefaults.h"

#include <QFileInfo>
#include <QMenu>

RecentFiles::RecentFiles(UserDefaults &defaults, QMenu *menu, QObject *parent)
    : QObject(parent), m_defaults(defaults), m_menu(menu)
{
    rebuildMenu();
}

QStringList RecentFiles::paths() const
{
    return m_defaults.stringList(PreferenceKeys::recentFiles).mid(0, limit);
}

void RecentFiles::add(const QString &path)
{
    QStringList paths = this->paths();
    paths.removeAll(path);
    paths.prepend(path);
    store(paths.mid(0, limit));
}

void RecentFiles::remove(const QString &path)
{
    QStringList paths = this->paths();
    if (paths.removeAll(path) > 0)
        store(paths);
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList &paths)
{
    m_defaults.setValue(PreferenceKeys::recentFiles, paths.isEmpty() ? QVariant() : QVariant(paths));
    rebuildMenu();
}

void RecentFiles::rebuildMenu()
{
    m_menu->clear();
    const QStringList paths = this->paths();
    for (const QString &path : paths) {
        // An action's text reads "&" as a mnemonic; a name shows as it is written.
        QString text = QFileInfo(path).fileName();
        QAction *action = m_menu->addAction(text.replace(u'&', QStringLiteral("&&")));
        action->setToolTip(path);
        action->setStatusTip(path);
        connect(action, &QAction::triggered, this, [this, path] { Q_EMIT chosen(path); });
    }
    m_menu->addSeparator();
    QAction *clearAction = m_menu->addAction(tr("Clear Menu"));
    clearAction->setEnabled(!paths.isEmpty());
    connect(clearAction, &QAction::triggered, this, &RecentFiles::clear);
}

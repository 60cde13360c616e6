#include "app/sidepanels.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace SidePanels {

void show(QMainWindow *window, QDockWidget *dock, QDockWidget *sharing)
{
    if (dock->isVisible())
        return;
    const int rowsWidth = window->centralWidget()->width();
    const bool sideWasEmpty = !sharing->isVisible();
    dock->show();
    dock->raise();
    if (window->isMaximized() || window->isFullScreen() || !window->screen())
        return;
    const int separator = window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, window);
    if (sideWasEmpty) {
        const int dockWidth = std::max(dock->sizeHint().width(), dock->minimumSizeHint().width());
        const int room = window->screen()->availableGeometry().width() - (window->frameGeometry().width() - window->width());
        window->resize(std::min(window->width() + dockWidth + separator, room), window->height());
    }
    window->resizeDocks({dock}, {std::max(window->width() - rowsWidth - separator, 0)}, Qt::Horizontal);
}

void place(QMainWindow *window, QDockWidget *dock, QDockWidget *sharing)
{
    if (window->dockWidgetArea(dock) != Qt::RightDockWidgetArea)
        window->addDockWidget(Qt::RightDockWidgetArea, dock);
    if (dock != sharing)
        window->tabifyDockWidget(sharing, dock);
    QObject::connect(dock->toggleViewAction(), &QAction::triggered, dock, [window, dock, sharing](bool shown) {
        if (!shown)
            return;
        dock->hide(); // shown again the way the side is kept
        show(window, dock, sharing);
    });
}

} // namespace SidePanels

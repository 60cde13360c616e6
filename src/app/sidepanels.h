#pragma once

class QDockWidget;
class QMainWindow;

// The window's side panels (the media information, the export queue) share the
// side beside the output rows as tabs, and never take the rows' room: the window
// grows to hold the side where the screen has room; what it cannot give, the
// side gives up.
namespace SidePanels {

// Shows dock on the side it shares with sharing (a tab when both are shown).
void show(QMainWindow *window, QDockWidget *dock, QDockWidget *sharing);

// Puts dock beside sharing, and makes its View menu action show it as show() does.
void place(QMainWindow *window, QDockWidget *dock, QDockWidget *sharing);

} // namespace SidePanels

#pragma once
// The menu bar's commands, the command menu of "menu.txt" and the bookmark list.
struct MainWindow;

enum class MenuAnswer { notMine, periodChanged, commandOpened };

MenuAnswer handleMenuCommand(MainWindow& mainWindow, int commandId);
// Fills the bookmark list in file order, then rebuilds the command menu.
void refillBookmarks(MainWindow& mainWindow);
void buildCommandMenu(MainWindow& mainWindow);
// The reload command: settings and lists read again, bookmarks and command menu rebuilt.
void reloadAll(MainWindow& mainWindow);

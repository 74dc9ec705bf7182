#pragma once
// The menu bar's commands, the command menu of "menu.txt" and the bookmark list.
struct MainWindow;

enum class MenuAnswer { notMine, periodChanged, commandOpened };

MenuAnswer handleMenuCommand(MainWindow& mainWindow, int commandId);
void refillBookmarks(MainWindow& mainWindow);
// The reload command: settings and lists read again, bookmarks and command menu rebuilt.
void reloadAll(MainWindow& mainWindow);

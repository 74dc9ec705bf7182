#pragma once
// Says what the candidate list and the item view show through a live region
// of the main window, once typing has paused, so that fast typing is not
// talked over. listsRefilled (main_window_record_win.h) starts the pause.
#include "main_window_record_win.h"

// Restarted by every refill; when it fires, typing has paused.
constexpr UINT_PTR listAnnouncementTimer = 12;

void createListAnnouncer(MainWindow& mainWindow);
// WM_TIMER with listAnnouncementTimer.
void announceLists(MainWindow& mainWindow);
// WM_SHOWWINDOW: shown, the lists are said after the pause; hidden, nothing
// still pending is said, and the next showing says everything again.
void listsShownOrHidden(MainWindow& mainWindow, bool shown);

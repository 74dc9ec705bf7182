#pragma once
// Filling the item view with task or folder rows, numbered and with icons.
// The view holds only the number of rows; it asks for each shown row's text
// and image, which come from the list it was filled from.
#include "item_icons_win.h"
#include "task_window.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

class ListedEntries;
struct ItemViewDisplay;

// The lists must outlive the fill: the view reads them until the next one.
void fillItemView(ItemViewDisplay& display, HWND listView, const std::vector<TaskWindow>& tasks);
void fillItemView(ItemViewDisplay& display, HWND listView, const ListedEntries& entries);

// The view's questions about its rows (WM_NOTIFY from the item view).
LRESULT onItemViewNotify(ItemViewDisplay& display, NMHDR& header);
// WM_WINDOW_ICON and WM_FILE_ICON: rows get the icons that came.
LRESULT onItemIconAnswer(ItemViewDisplay& display, UINT message, WPARAM wParam, LPARAM lParam);
// After the view's font changed with its dpi: widths measured in the old font
// are forgotten, the images start afresh at the given size and the rows are
// shown again, the selected one still selected.
void followViewDpi(ItemViewDisplay& display, int iconSize);

#pragma once
// What the item view shows: the list its rows come from, and the caches the
// rows' texts, images and column width are answered from.
#include "item_icons_win.h"
#include "task_window.h"

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class ListedEntries;

// The list the item view's rows come from. Keys act on this list, so that
// row N is always what they act on.
enum class ItemListing { tasks, folderEntries };

struct ItemViewDisplay {
    HWND listView = nullptr;
    ItemIcons icons;

    // The view owns no rows: it asks for each shown row's text and image.
    ItemListing listing = ItemListing::tasks;
    const std::vector<TaskWindow>* tasks = nullptr;
    const ListedEntries* entries = nullptr;
    // Images of the first rows, -1 until a row is first shown.
    std::vector<int> rowImages;
    // While the column is sized: the rows that the view's rows stand for.
    std::vector<size_t> measuredRows;
    // Widths of characters in the view's font, 0xFFFF until measured.
    std::vector<uint16_t> characterWidths;
    // The column width the view chose, by the widest estimated label.
    std::unordered_map<int, int> columnWidths;
};

inline bool listsTasks(const ItemViewDisplay& display) {
    return display.listing == ItemListing::tasks;
}

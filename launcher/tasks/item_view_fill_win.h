#pragma once
// Filling the item view with task or folder rows, numbered and with icons.
#include "task_window.h"

#include <vector>

struct ItemViewHandler;

// Only the first rows fetch a real icon; the rest share the fallback icon.
constexpr size_t rowsWithOwnIcon = 20;

void fillItemView(ItemViewHandler& itemView, const std::vector<ItemEntry>& rows);
void loadItemIcons(ItemViewHandler& itemView, const std::vector<ItemEntry>& rows);

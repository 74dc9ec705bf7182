#pragma once
// The item view's images: one image list for the whole run, to which each
// distinct icon is added once; rows refer to their image by its index.
#include "launcher/folders/item_entry.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <unordered_map>

struct ItemIcons {
    HIMAGELIST imageList = nullptr;
    int question = -1;
    int folder = -1;
    // With SHGFI_USEFILEATTRIBUTES a file's icon depends on its extension alone.
    std::unordered_map<std::wstring, int> byExtension;
    std::unordered_map<HICON, int> byHandle;
};

// Creates the image list, with the question mark, the first time.
void ensureItemImages(ItemIcons& icons);
int folderEntryImage(ItemIcons& icons, const ItemEntry& entry);
int windowImage(ItemIcons& icons, HWND window);

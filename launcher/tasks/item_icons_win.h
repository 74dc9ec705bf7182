#pragma once
// The item view's images: one image list, to which each icon is added once;
// rows refer to their image by its index. Nothing here waits for another
// program or for a disk: a window is asked for its icon and answers when it
// can, and the icons read from entries themselves are read on a worker.
#include "launcher/folders/item_entry.h"
#include "launcher/resources/app_messages.h"

#include "common/scoped_win.h"
#include "common/work_queue.h"

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

// An entry's own icon as the worker read it.
struct FileIcon {
    std::wstring path;
    ScopedIcon icon; // null when the entry has none of its own
    bool skipped = false; // the rows had changed before its turn came
};

struct WindowIcon {
    HICON icon = nullptr; // the window's last answer; its class icon until one came
    int image = -1;       // -1 until added to the list
    uint32_t askedInFill = 0;
    bool asking = false;
};

struct OwnIcon {
    int image = -1; // -1 while being read
    uint32_t askedInFill = 0;
};

struct ItemIcons {
    HIMAGELIST imageList = nullptr;
    // The images' width and height: the small-icon size at the view's dpi;
    // 0 until the window sets it, which means the system's.
    int iconSize = 0;
    // Windows change their icons all session long: past this many images the
    // list starts afresh at the next fill or answer.
    int mostImages = 300;
    int question = -1;
    int folder = -1;
    // With SHGFI_USEFILEATTRIBUTES a file's icon depends on its extension alone.
    std::unordered_map<std::wstring, int> byExtension;
    std::unordered_map<HICON, int> byHandle;
    std::unordered_map<HWND, WindowIcon> windows;
    // By path: programs, shortcuts and icon files, whose icon is in the entry.
    std::unordered_map<std::wstring, OwnIcon> ownIcons;
    // Counts the fills: each shown window is asked once a fill, and the
    // worker skips reads asked for by a fill that is no longer shown.
    uint32_t fill = 1;
    std::shared_ptr<std::atomic<uint32_t>> shownFill = std::make_shared<std::atomic<uint32_t>>(1);
    HWND answerTo = nullptr;
    std::unique_ptr<WorkQueue> reader;
};

// The shell's first file-type icon of a run sets up its icon cache, tens of
// milliseconds: asked for on the reader once the window is up, so that the
// first folder's paint does not pay it.
void warmShellIcons(ItemIcons& icons);
// Creates the image list, with the question mark, the first time.
void ensureItemImages(ItemIcons& icons);
int folderEntryImage(ItemIcons& icons, const ItemEntry& entry);
// The window's icon as far as known; a window not asked in this fill is asked.
int windowImage(ItemIcons& icons, HWND window);

// A new fill of the view. Windows that are gone are forgotten when it lists windows.
void startIconFill(ItemIcons& icons, bool listsWindows);
// The answers; true when a row may show another image now.
bool takeWindowIcon(ItemIcons& icons, HWND window, HICON answer);
bool takeFileIcon(ItemIcons& icons, LPARAM answer);

bool imagesFull(const ItemIcons& icons);
// Starts an empty list and forgets every image index; returns the old list,
// for the caller to destroy once the view shows the new one.
HIMAGELIST startImagesAfresh(ItemIcons& icons);
// The same at another size, after a dpi change: every icon is fetched again,
// from the large icons when the size is past the system's small one.
HIMAGELIST startImagesAt(ItemIcons& icons, int iconSize);

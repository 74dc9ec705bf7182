#include "item_icons_win.h"

#include "common/com_apartment_win.h"
#include "common/matching.h"
#include "common/posted_answer_win.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <array>

namespace {

int imageSize(const ItemIcons& icons) {
    return icons.iconSize > 0 ? icons.iconSize : GetSystemMetrics(SM_CXSMICON);
}

// Past the system's small-icon size (a window on a monitor with more scaling
// than the main one), a small icon grown to size would come out blurred: the
// large one is shrunk instead.
bool fromLargeIcons(const ItemIcons& icons) {
    return imageSize(icons) > GetSystemMetrics(SM_CXSMICON);
}

// Images are only ever appended: under Wine, replacing an image at an index
// that is in use leaves parts of the old one.
int append(ItemIcons& icons, HICON icon) {
    const int added = icon ? ImageList_ReplaceIcon(icons.imageList, -1, icon) : -1;
    return added == -1 ? icons.question : added;
}

// From the name and the attribute alone: the entry itself is not opened.
int shellImage(ItemIcons& icons, const std::wstring& path, bool isFolder) {
    SHFILEINFOW info{};
    SHGetFileInfoW(path.c_str(), isFolder ? FILE_ATTRIBUTE_DIRECTORY : 0, &info, sizeof info,
                   SHGFI_ICON | (fromLargeIcons(icons) ? SHGFI_LARGEICON : SHGFI_SMALLICON) | SHGFI_USEFILEATTRIBUTES);
    const ScopedIcon icon(info.hIcon);
    return append(icons, icon.get());
}

std::wstring extensionOf(const std::wstring& name) {
    return lowerText(PathFindExtensionW(name.c_str()));
}

int extensionImage(ItemIcons& icons, const std::wstring& path) {
    const std::wstring extension = extensionOf(path);
    auto known = icons.byExtension.find(extension);
    if (known == icons.byExtension.end()) known = icons.byExtension.emplace(extension, shellImage(icons, path, false)).first;
    return known->second;
}

// Programs, shortcuts and icon files carry their own icon, which is read
// from the entry itself: on a share, a wait at every one of them.
bool hasOwnIcon(const std::wstring& path) {
    static const std::array<std::wstring, 4> kinds{L".exe", L".lnk", L".url", L".ico"};
    return std::find(kinds.begin(), kinds.end(), extensionOf(path)) != kinds.end();
}

// Programs and icon files hold their first icon themselves; a shortcut names
// its icon, which the shell finds. (Wine's shell gives every program and
// icon file the same icon.)
FileIcon readOwnIcon(const std::wstring& path, bool large) {
    FileIcon answer;
    answer.path = path;
    HICON icon = nullptr;
    const std::wstring extension = extensionOf(path);
    if (extension == L".exe" || extension == L".ico") {
        ExtractIconExW(path.c_str(), 0, large ? &icon : nullptr, large ? nullptr : &icon, 1);
    } else {
        SHFILEINFOW info{};
        if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)))
            icon = info.hIcon;
    }
    answer.icon.reset(icon);
    return answer;
}

WorkQueue& iconReader(ItemIcons& icons) {
    if (!icons.reader) {
        // The shell wants COM on the thread that asks it.
        icons.reader = std::make_unique<WorkQueue>([] { CoInitializeEx(nullptr, ComApartment::flags); },
                                                   [] { CoUninitialize(); });
    }
    return *icons.reader;
}

void askForOwnIcon(ItemIcons& icons, const std::wstring& path) {
    icons.ownIcons[path] = OwnIcon{-1, icons.fill};
    std::function<FileIcon()> read = [path, shown = icons.shownFill, fill = icons.fill, large = fromLargeIcons(icons)] {
        if (shown->load() != fill) {
            FileIcon skipped;
            skipped.path = path;
            skipped.skipped = true;
            return skipped;
        }
        return readOwnIcon(path, large);
    };
    answerFromQueue<FileIcon>(iconReader(icons), icons.answerTo, WM_FILE_ICON, icons.fill, std::move(read));
}

HICON classIcon(const ItemIcons& icons, HWND window) {
    return reinterpret_cast<HICON>(GetClassLongPtrW(window, fromLargeIcons(icons) ? GCLP_HICON : GCLP_HICONSM));
}

// Called on this thread while it reads its messages, whenever the window answered.
void CALLBACK windowIconAnswered(HWND window, UINT, ULONG_PTR answerTo, LRESULT icon) {
    PostMessageW(reinterpret_cast<HWND>(answerTo), WM_WINDOW_ICON, reinterpret_cast<WPARAM>(window), icon);
}

int imageOf(ItemIcons& icons, HICON icon) {
    if (!icon) return icons.question;
    auto known = icons.byHandle.find(icon);
    if (known == icons.byHandle.end()) known = icons.byHandle.emplace(icon, append(icons, icon)).first;
    return known->second;
}

} // namespace

void warmShellIcons(ItemIcons& icons) {
    iconReader(icons).post([] {
        SHFILEINFOW info{};
        SHGetFileInfoW(L"warm.txt", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
        const ScopedIcon icon(info.hIcon);
    });
}

void ensureItemImages(ItemIcons& icons) {
    if (icons.imageList) return;
    const int size = imageSize(icons);
    icons.imageList = ImageList_Create(size, size, ILC_COLORDDB | ILC_MASK, 16, 16);
    icons.question = ImageList_ReplaceIcon(icons.imageList, -1, LoadIconW(nullptr, IDI_QUESTION));
}

int folderEntryImage(ItemIcons& icons, const ItemEntry& entry) {
    ensureItemImages(icons);
    if (entry.isFolder) {
        if (icons.folder == -1) icons.folder = shellImage(icons, entry.path, true);
        return icons.folder;
    }
    // The icon for the extension stands in until the entry's own is read.
    const int generic = extensionImage(icons, entry.path);
    if (!hasOwnIcon(entry.path)) return generic;
    const auto own = icons.ownIcons.find(entry.path);
    if (own == icons.ownIcons.end()) {
        askForOwnIcon(icons, entry.path);
        return generic;
    }
    return own->second.image == -1 ? generic : own->second.image;
}

int windowImage(ItemIcons& icons, HWND window) {
    ensureItemImages(icons);
    WindowIcon& known = icons.windows[window];
    if (!known.icon) known.icon = classIcon(icons, window);
    if (known.image == -1) known.image = imageOf(icons, known.icon);
    const int image = known.image;
    if (!known.asking && known.askedInFill != icons.fill) {
        known.askedInFill = icons.fill;
        known.asking = true;
        // Returns at once; the answer comes when the window's thread gets to it.
        const WPARAM kind = fromLargeIcons(icons) ? ICON_BIG : ICON_SMALL2;
        if (!SendMessageCallbackW(window, WM_GETICON, kind, 0, windowIconAnswered,
                                  reinterpret_cast<ULONG_PTR>(icons.answerTo))) {
            const auto asked = icons.windows.find(window);
            if (asked != icons.windows.end()) asked->second.asking = false;
        }
    }
    return image;
}

void startIconFill(ItemIcons& icons, bool listsWindows) {
    icons.shownFill->store(++icons.fill);
    if (listsWindows) std::erase_if(icons.windows, [](const auto& known) { return !IsWindow(known.first); });
}

bool takeWindowIcon(ItemIcons& icons, HWND window, HICON answer) {
    const auto known = icons.windows.find(window);
    if (known == icons.windows.end()) return false;
    known->second.asking = false;
    const HICON icon = answer ? answer : classIcon(icons, window);
    if (!icon || icon == known->second.icon) return false;
    known->second.icon = icon;
    // Added now, while the window surely still has it.
    known->second.image = imageOf(icons, icon);
    return true;
}

bool takeFileIcon(ItemIcons& icons, LPARAM lParam) {
    const auto answer = takeAnswer<FileIcon>(lParam);
    if (!answer) return false;
    const FileIcon& read = answer->value;
    const auto own = icons.ownIcons.find(read.path);
    if (own == icons.ownIcons.end() || own->second.image != -1 || own->second.askedInFill != answer->request)
        return false;
    // Skipped: a row that shows the entry again asks again.
    if (read.skipped) {
        icons.ownIcons.erase(own);
        return true;
    }
    ensureItemImages(icons);
    own->second.image = read.icon.valid() ? append(icons, read.icon.get()) : extensionImage(icons, read.path);
    return true;
}

bool imagesFull(const ItemIcons& icons) {
    return icons.imageList && ImageList_GetImageCount(icons.imageList) >= icons.mostImages;
}

HIMAGELIST startImagesAfresh(ItemIcons& icons) {
    const HIMAGELIST old = std::exchange(icons.imageList, nullptr);
    icons.folder = -1;
    icons.byExtension.clear();
    icons.byHandle.clear();
    // A window keeps its icon, added again when its row is shown.
    for (auto& known : icons.windows) known.second.image = -1;
    // Icons still being read are added to the new list when they come.
    std::erase_if(icons.ownIcons, [](const auto& own) { return own.second.image != -1; });
    ensureItemImages(icons);
    return old;
}

HIMAGELIST startImagesAt(ItemIcons& icons, int iconSize) {
    icons.iconSize = iconSize;
    // Answers still coming are for the old size: they find nobody waiting.
    icons.windows.clear();
    icons.ownIcons.clear();
    return startImagesAfresh(icons);
}

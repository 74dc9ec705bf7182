#include "item_icons_win.h"

#include "common/com_apartment_win.h"
#include "common/matching.h"
#include "common/posted_answer_win.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <array>

namespace {

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
                   SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
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
FileIcon readOwnIcon(const std::wstring& path) {
    FileIcon answer;
    answer.path = path;
    HICON small = nullptr;
    const std::wstring extension = extensionOf(path);
    if (extension == L".exe" || extension == L".ico") {
        ExtractIconExW(path.c_str(), 0, nullptr, &small, 1);
    } else {
        SHFILEINFOW info{};
        if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) small = info.hIcon;
    }
    answer.icon.reset(small);
    return answer;
}

void askForOwnIcon(ItemIcons& icons, const std::wstring& path) {
    if (!icons.reader) {
        // The shell wants COM on the thread that asks it.
        icons.reader = std::make_unique<WorkQueue>([] { CoInitializeEx(nullptr, ComApartment::flags); },
                                                   [] { CoUninitialize(); });
    }
    icons.ownIcons[path] = OwnIcon{-1, icons.fill};
    std::function<FileIcon()> read = [path, shown = icons.shownFill, fill = icons.fill] {
        if (shown->load() != fill) {
            FileIcon skipped;
            skipped.path = path;
            skipped.skipped = true;
            return skipped;
        }
        return readOwnIcon(path);
    };
    answerFromQueue<FileIcon>(*icons.reader, icons.answerTo, WM_FILE_ICON, icons.fill, std::move(read));
}

HICON classIcon(HWND window) {
    return reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
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

void ensureItemImages(ItemIcons& icons) {
    if (icons.imageList) return;
    icons.imageList = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                        ILC_COLORDDB | ILC_MASK, 16, 16);
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
    if (!known.icon) known.icon = classIcon(window);
    if (known.image == -1) known.image = imageOf(icons, known.icon);
    const int image = known.image;
    if (!known.asking && known.askedInFill != icons.fill) {
        known.askedInFill = icons.fill;
        known.asking = true;
        // Returns at once; the answer comes when the window's thread gets to it.
        if (!SendMessageCallbackW(window, WM_GETICON, ICON_SMALL2, 0, windowIconAnswered,
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
    const HICON icon = answer ? answer : classIcon(window);
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

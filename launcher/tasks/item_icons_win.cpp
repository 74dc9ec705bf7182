#include "item_icons_win.h"

#include "common/scoped_win.h"
#include "common/matching.h"

#include <shellapi.h>
#include <shlwapi.h>

namespace {

// A hung application must not freeze the launcher while its icon is asked for.
constexpr UINT iconAnswerTimeoutMs = 100;

// Images are only ever appended: under Wine, replacing an image at an index
// that is in use leaves parts of the old one.
int append(ItemIcons& icons, HICON icon) {
    const int added = icon ? ImageList_ReplaceIcon(icons.imageList, -1, icon) : -1;
    return added == -1 ? icons.question : added;
}

ScopedIcon shellIcon(const std::wstring& path, bool isFolder) {
    SHFILEINFOW info{};
    SHGetFileInfoW(path.c_str(), isFolder ? FILE_ATTRIBUTE_DIRECTORY : 0, &info, sizeof info,
                   SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    return ScopedIcon(info.hIcon);
}

int shellImage(ItemIcons& icons, const std::wstring& path, bool isFolder) {
    const ScopedIcon icon = shellIcon(path, isFolder);
    return append(icons, icon.get());
}

std::wstring extensionOf(const std::wstring& name) {
    const wchar_t* extension = PathFindExtensionW(name.c_str());
    return lowerText(extension);
}

HICON windowIcon(HWND window) {
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL2, 0, SMTO_ABORTIFHUNG, iconAnswerTimeoutMs, &icon))
        icon = 0;
    if (!icon) icon = static_cast<DWORD_PTR>(GetClassLongPtrW(window, GCLP_HICONSM));
    return reinterpret_cast<HICON>(icon);
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
    const std::wstring extension = extensionOf(entry.name);
    auto known = icons.byExtension.find(extension);
    if (known == icons.byExtension.end())
        known = icons.byExtension.emplace(extension, shellImage(icons, entry.path, false)).first;
    return known->second;
}

int windowImage(ItemIcons& icons, HWND window) {
    ensureItemImages(icons);
    const HICON icon = windowIcon(window);
    if (!icon) return icons.question;
    auto known = icons.byHandle.find(icon);
    if (known == icons.byHandle.end()) known = icons.byHandle.emplace(icon, append(icons, icon)).first;
    return known->second;
}

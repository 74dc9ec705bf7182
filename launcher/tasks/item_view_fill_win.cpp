#include "item_view_fill_win.h"

#include "launcher/input/text_helpers.h"

#include "common/scoped_win.h"
#include "launcher/input/input_handlers_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

namespace {

// A hung application must not freeze the launcher while its icon is asked for.
constexpr UINT iconAnswerTimeoutMs = 100;

HICON windowIcon(HWND window) {
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutW(window, WM_GETICON, ICON_SMALL2, 0, SMTO_ABORTIFHUNG, iconAnswerTimeoutMs, &icon))
        icon = 0;
    if (!icon) icon = static_cast<DWORD_PTR>(GetClassLongPtrW(window, GCLP_HICONSM));
    return reinterpret_cast<HICON>(icon);
}

ScopedIcon shellIcon(const ItemEntry& row) {
    SHFILEINFOW info{};
    const DWORD attributes = row.isFolder ? FILE_ATTRIBUTE_DIRECTORY : 0;
    SHGetFileInfoW(row.path.c_str(), attributes, &info, sizeof info,
                   SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    return ScopedIcon(info.hIcon);
}

} // namespace

void loadItemIcons(ItemViewHandler& itemView, const std::vector<ItemEntry>& rows) {
    if (itemView.imageList) ImageList_Destroy(itemView.imageList);
    itemView.imageList = ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                          ILC_COLORDDB | ILC_MASK, 5, 0);
    const HICON fallback = LoadIconW(nullptr, IDI_QUESTION);
    const size_t ownIcons = std::min(rows.size(), rowsWithOwnIcon);
    for (size_t i = 0; i < ownIcons; ++i) {
        int added = -1;
        if (rows[i].isWindow) {
            added = ImageList_ReplaceIcon(itemView.imageList, -1, windowIcon(static_cast<HWND>(rows[i].window)));
        } else {
            const ScopedIcon icon = shellIcon(rows[i]);
            if (icon.valid()) added = ImageList_ReplaceIcon(itemView.imageList, -1, icon.get());
        }
        if (added == -1) ImageList_ReplaceIcon(itemView.imageList, -1, fallback);
    }
    if (rows.size() > ownIcons) {
        // Image i stays row i's. Converting an icon costs milliseconds, so the
        // fallback is converted once and its image copied to the later rows.
        const int first = ImageList_ReplaceIcon(itemView.imageList, -1, fallback);
        ImageList_SetImageCount(itemView.imageList, static_cast<UINT>(rows.size()));
        for (size_t i = ownIcons + 1; i < rows.size(); ++i)
            ImageList_Copy(itemView.imageList, static_cast<int>(i), itemView.imageList, first, ILCF_MOVE);
    }
    ListView_SetImageList(itemView.listView, itemView.imageList, LVSIL_SMALL);
}

void fillItemView(ItemViewHandler& itemView, const std::vector<ItemEntry>& rows) {
    const HWND listView = itemView.listView;
    // Hidden while refilled, so that it repaints once; without redrawing, too,
    // because some list views recompute their scroll state on every insert
    // even while hidden (a thousand rows took over a second under Wine).
    // Hiding a focused window hands the focus to its parent; give it back after.
    const bool hadFocus = GetFocus() == listView;
    ShowWindow(listView, SW_HIDE);
    SendMessageW(listView, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(listView);
    for (size_t i = 0; i < rows.size(); ++i) {
        std::wstring label = numberedLabel(rows[i].name, static_cast<int32_t>(i));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = label.data();
        item.iImage = static_cast<int>(i);
        SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    loadItemIcons(itemView, rows);
    SendMessageW(listView, WM_SETREDRAW, TRUE, 0);
    ListView_SetColumnWidth(listView, 0, LVSCW_AUTOSIZE);
    ShowWindow(listView, SW_RESTORE);
    if (hadFocus) SetFocus(listView);
}

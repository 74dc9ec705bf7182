#include "item_view_fill_win.h"

#include "item_view_display_win.h"
#include "launcher/folders/folder_entries.h"
#include "common/scoped_win.h"

#include <algorithm>
#include <cwchar>

namespace {

// The list view measures and searches at most this many characters of a label.
constexpr size_t longestLabel = 259;
constexpr uint16_t unmeasured = 0xFFFF;
// Labels whose estimated width is this close to the widest are measured by
// the view too, in case the estimate and the view's own measure disagree.
constexpr int widthSlack = 2;
constexpr size_t mostMeasuredRows = 8;

size_t rowCount(const ItemViewDisplay& display) {
    if (listsTasks(display)) return display.tasks ? display.tasks->size() : 0;
    return display.entries ? display.entries->size() : 0;
}

// False past the end of the list, which may have changed under the view.
bool rowName(const ItemViewDisplay& display, size_t row, std::wstring_view& name) {
    if (listsTasks(display)) {
        if (!display.tasks || row >= display.tasks->size()) return false;
        name = (*display.tasks)[row].title;
        return true;
    }
    if (!display.entries || !display.entries->has(row)) return false;
    name = display.entries->name(row);
    return true;
}

// "1." to "9." before the first nine rows, as numberedLabel gives it.
size_t labelPrefix(size_t row, wchar_t* prefix) {
    if (row >= 9) return 0;
    prefix[0] = static_cast<wchar_t>(L'1' + row);
    prefix[1] = L'.';
    return 2;
}

void writeLabel(std::wstring_view name, size_t row, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0) return;
    wchar_t prefix[2];
    const size_t prefixLength = labelPrefix(row, prefix);
    const size_t room = static_cast<size_t>(capacity) - 1;
    const size_t fromPrefix = std::min(prefixLength, room);
    std::copy_n(prefix, fromPrefix, buffer);
    const size_t fromName = std::min(name.size(), room - fromPrefix);
    std::copy_n(name.data(), fromName, buffer + fromPrefix);
    buffer[fromPrefix + fromName] = L'\0';
}

int rowImage(ItemViewDisplay& display, size_t row) {
    ItemIcons& icons = display.icons;
    if (row >= display.rowImages.size()) return icons.question;
    int& image = display.rowImages[row];
    if (image != -1) return image;
    if (listsTasks(display)) {
        if (display.tasks && row < display.tasks->size())
            image = windowImage(icons, static_cast<HWND>((*display.tasks)[row].window));
    } else if (display.entries && display.entries->has(row)) {
        image = folderEntryImage(icons, (*display.entries)[row]);
    }
    if (image == -1) image = icons.question;
    return image;
}

LRESULT answerDisplayInfo(ItemViewDisplay& display, NMLVDISPINFOW& info) {
    LVITEMW& item = info.item;
    if (item.iItem < 0) return 0;
    size_t row = static_cast<size_t>(item.iItem);
    if (!display.measuredRows.empty()) {
        if (row >= display.measuredRows.size()) return 0;
        row = display.measuredRows[row];
    }
    std::wstring_view name;
    const bool known = rowName(display, row, name);
    if (item.mask & LVIF_TEXT) writeLabel(name, row, item.pszText, item.cchTextMax);
    if (item.mask & LVIF_IMAGE) item.iImage = known ? rowImage(display, row) : display.icons.question;
    return 0;
}

bool labelStartsWith(std::wstring_view name, size_t row, const wchar_t* text, size_t length) {
    wchar_t label[longestLabel + 1];
    writeLabel(name, row, label, static_cast<int>(longestLabel + 1));
    return _wcsnicmp(label, text, length) == 0;
}

// Typing in the focused view selects the next row whose text begins with
// what was typed, from the given row on and then from the top, as the view
// does by itself with rows it holds.
LRESULT findRow(const ItemViewDisplay& display, const NMLVFINDITEMW& find) {
    if (!(find.lvfi.flags & (LVFI_PARTIAL | LVFI_STRING)) || !find.lvfi.psz) return -1;
    const size_t count = rowCount(display);
    const size_t length = std::wcslen(find.lvfi.psz);
    const size_t start = find.iStart > 0 ? std::min(static_cast<size_t>(find.iStart), count) : 0;
    auto search = [&](size_t from, size_t to) -> LRESULT {
        for (size_t row = from; row < to; ++row) {
            std::wstring_view name;
            if (rowName(display, row, name) && labelStartsWith(name, row, find.lvfi.psz, length))
                return static_cast<LRESULT>(row);
        }
        return -1;
    };
    const LRESULT found = search(start, count);
    if (found != -1 || !(find.lvfi.flags & LVFI_WRAP)) return found;
    return search(0, start);
}

int characterWidth(ItemViewDisplay& display, HWND listView, ScopedMemoryDc& dc, wchar_t character) {
    uint16_t& width = display.characterWidths[static_cast<uint16_t>(character)];
    if (width == unmeasured) {
        if (!dc.valid()) {
            dc.reset(CreateCompatibleDC(nullptr));
            SelectObject(dc.get(), reinterpret_cast<HFONT>(SendMessageW(listView, WM_GETFONT, 0, 0)));
        }
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), &character, 1, &size);
        width = static_cast<uint16_t>(std::clamp<LONG>(size.cx, 0, unmeasured - 1));
    }
    return width;
}

// Text widths add up character by character in the view's font, so a row's
// width is a sum of widths measured once for the whole run.
int estimatedWidth(ItemViewDisplay& display, HWND listView, ScopedMemoryDc& dc, std::wstring_view name, size_t row) {
    wchar_t prefix[2];
    const size_t prefixLength = labelPrefix(row, prefix);
    int width = 0;
    for (size_t i = 0; i < prefixLength; ++i) width += characterWidth(display, listView, dc, prefix[i]);
    const size_t shown = std::min(name.size(), longestLabel - prefixLength);
    for (size_t i = 0; i < shown; ++i) width += characterWidth(display, listView, dc, name[i]);
    return width;
}

// As wide as sizing the column over every row made it, but the view itself
// measures only the few widest rows: measuring all of them took longer than
// a keystroke may.
void fitColumn(ItemViewDisplay& display, HWND listView, size_t count) {
    if (display.characterWidths.empty()) display.characterWidths.assign(0x10000, unmeasured);
    ScopedMemoryDc dc; // made at the first character not yet measured
    std::vector<std::pair<int, size_t>> widest; // width and row, widest first once sorted
    int most = 0;
    auto keepWidest = [&] {
        std::erase_if(widest, [&](const auto& entry) { return entry.first < most - widthSlack; });
        std::sort(widest.begin(), widest.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        if (widest.size() > mostMeasuredRows) widest.resize(mostMeasuredRows);
    };
    for (size_t row = 0; row < count; ++row) {
        std::wstring_view name;
        if (!rowName(display, row, name)) continue;
        const int width = estimatedWidth(display, listView, dc, name, row);
        if (width < most - widthSlack) continue;
        most = std::max(most, width);
        widest.emplace_back(width, row);
        if (widest.size() > 4 * mostMeasuredRows) keepWidest();
    }
    dc.reset();
    keepWidest();

    const auto known = display.columnWidths.find(most);
    if (known != display.columnWidths.end()) {
        if (ListView_GetColumnWidth(listView, 0) != known->second) ListView_SetColumnWidth(listView, 0, known->second);
        return;
    }
    display.measuredRows.clear();
    for (const auto& entry : widest) display.measuredRows.push_back(entry.second);
    ListView_SetItemCountEx(listView, display.measuredRows.size(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    ListView_SetColumnWidth(listView, 0, LVSCW_AUTOSIZE);
    display.measuredRows.clear();
    ListView_SetItemCountEx(listView, 0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    display.columnWidths[most] = ListView_GetColumnWidth(listView, 0);
}

// Drawing off the way DefWindowProc turns it off on Windows: without its
// visible bit the view neither paints nor redraws its scroll bars while it is
// refilled (Wine's list view keeps drawing them through WM_SETREDRAW, at
// several milliseconds a keystroke), and unlike hiding it, nothing behind it
// is painted in its place. It is painted once after, in one paint that
// erases and draws (double-buffered on Windows, where the view skips the
// erase): no blank frame. Not erasing left the old rows' pixels beside the
// new ones under Wine. A guard, so that a refill that throws cannot leave the
// view unpainted.
struct DrawingOff {
    HWND view;
    LONG_PTR style = GetWindowLongPtrW(view, GWL_STYLE);
    explicit DrawingOff(HWND listView) : view(listView) {
        SetWindowLongPtrW(view, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
    }
    ~DrawingOff() {
        SetWindowLongPtrW(view, GWL_STYLE, style);
        RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
    DrawingOff(const DrawingOff&) = delete;
    DrawingOff& operator=(const DrawingOff&) = delete;
};

// The image list starts afresh once it is full; rows are asked for their
// images again, which come from the new list.
void keepImagesBounded(ItemViewDisplay& display) {
    ItemIcons& icons = display.icons;
    const HIMAGELIST old = imagesFull(icons) ? startImagesAfresh(icons) : nullptr;
    ensureItemImages(icons);
    if (ListView_GetImageList(display.listView, LVSIL_SMALL) != icons.imageList)
        ListView_SetImageList(display.listView, icons.imageList, LVSIL_SMALL);
    if (old) {
        ImageList_Destroy(old);
        std::fill(display.rowImages.begin(), display.rowImages.end(), -1);
    }
}

void refill(ItemViewDisplay& display, HWND listView) {
    const size_t count = rowCount(display);
    const DrawingOff drawingOff(listView);
    // Drops the selection, the focused row and the scroll position: a refill
    // shows a new list, and no row of the one before may stay chosen.
    ListView_DeleteAllItems(listView);
    display.listView = listView;
    display.icons.answerTo = GetAncestor(listView, GA_ROOT);
    startIconFill(display.icons, listsTasks(display));
    // Every row gets its own icon when it is first shown; the view only asks
    // for the rows it shows, so a refill of many rows fetches few icons.
    display.rowImages.assign(count, -1);
    keepImagesBounded(display);
    fitColumn(display, listView, count);
    ListView_SetItemCountEx(listView, count, 0);
}

} // namespace

void fillItemView(ItemViewDisplay& display, HWND listView, const std::vector<TaskWindow>& tasks) {
    display.listing = ItemListing::tasks;
    display.tasks = &tasks;
    refill(display, listView);
}

void fillItemView(ItemViewDisplay& display, HWND listView, const ListedEntries& entries) {
    display.listing = ItemListing::folderEntries;
    display.entries = &entries;
    refill(display, listView);
}

LRESULT onItemIconAnswer(ItemViewDisplay& display, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool changed = message == WM_FILE_ICON
                             ? takeFileIcon(display.icons, lParam)
                             : takeWindowIcon(display.icons, reinterpret_cast<HWND>(wParam), reinterpret_cast<HICON>(lParam));
    if (!changed || !display.listView) return 0;
    std::fill(display.rowImages.begin(), display.rowImages.end(), -1);
    keepImagesBounded(display);
    InvalidateRect(display.listView, nullptr, FALSE);
    return 0;
}

LRESULT onItemViewNotify(ItemViewDisplay& display, NMHDR& header) {
    switch (header.code) {
    case LVN_GETDISPINFOW: return answerDisplayInfo(display, reinterpret_cast<NMLVDISPINFOW&>(header));
    case LVN_ODFINDITEMW: return findRow(display, reinterpret_cast<NMLVFINDITEMW&>(header));
    default: return 0;
    }
}

void followViewDpi(ItemViewDisplay& display, int iconSize) {
    display.characterWidths.clear();
    display.columnWidths.clear();
    ItemIcons& icons = display.icons;
    if (!icons.imageList) {
        icons.iconSize = iconSize;
        return;
    }
    const HIMAGELIST old = startImagesAt(icons, iconSize);
    if (!display.listView) {
        ImageList_Destroy(old);
        return;
    }
    const int selected = ListView_GetNextItem(display.listView, -1, LVNI_SELECTED);
    refill(display, display.listView);
    ImageList_Destroy(old);
    if (selected < 0 || static_cast<size_t>(selected) >= rowCount(display)) return;
    ListView_SetItemState(display.listView, selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(display.listView, selected, FALSE);
}

#include "loading_note_win.h"

#include <commctrl.h>

#include <iterator>

namespace {

constexpr int loadingNoteId = 0x4C4E;

HWND createNote(HWND itemView) {
    // The view's painting leaves its children alone, so that a refill or a
    // repaint of the view never paints over the note.
    SetWindowLongPtrW(itemView, GWL_STYLE, GetWindowLongPtrW(itemView, GWL_STYLE) | WS_CLIPCHILDREN);
    return CreateWindowExW(0, L"STATIC", loadingNoteText, WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, itemView,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(loadingNoteId)), nullptr, nullptr);
}

// The note's text measured in the font it is drawn with.
SIZE textSize(HWND note, HFONT font) {
    SIZE size{};
    if (const HDC dc = GetDC(note)) {
        const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(dc, loadingNoteText, static_cast<int>(std::size(loadingNoteText)) - 1, &size);
        SelectObject(dc, old);
        ReleaseDC(note, dc);
    }
    return size;
}

} // namespace

void showLoadingNote(HWND itemView, bool shown) {
    HWND note = GetDlgItem(itemView, loadingNoteId);
    if (!shown) {
        if (note) ShowWindow(note, SW_HIDE);
        return;
    }
    if (!note && !(note = createNote(itemView))) return;
    // In the view's font, where its first row would be; as wide as its text,
    // whatever size the view has by then.
    const auto font = reinterpret_cast<HFONT>(SendMessageW(itemView, WM_GETFONT, 0, 0));
    SendMessageW(note, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const SIZE size = textSize(note, font);
    const int margin = size.cy / 4;
    SetWindowPos(note, HWND_TOP, margin, margin, size.cx + margin, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

LRESULT colourLoadingNote(HWND itemView, HDC dc) {
    COLORREF background = ListView_GetBkColor(itemView);
    if (background == CLR_NONE) background = GetSysColor(COLOR_WINDOW);
    COLORREF text = ListView_GetTextColor(itemView);
    if (text == CLR_DEFAULT || text == CLR_NONE) text = GetSysColor(COLOR_WINDOWTEXT);
    SetTextColor(dc, text);
    SetBkColor(dc, background);
    SetDCBrushColor(dc, background);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

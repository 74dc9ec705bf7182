#include "view_colours_win.h"

#include "main_window_win.h"
#include "common/controls_win.h"
#include "launcher/data/config_store.h"

#include <commctrl.h>

namespace {

HighContrastQuery highContrastSeam = nullptr;

void deleteBrush(HBRUSH& brush) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
}

} // namespace

void deleteViewBrushes(MainWindow& mw) {
    deleteBrush(mw.listBrush);
    deleteBrush(mw.bookmarkBrush);
    deleteBrush(mw.textBrush);
}

bool highContrastOn() {
    if (highContrastSeam) return highContrastSeam();
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF backgroundColour(const ConfigStore& config, const wchar_t* colourName) {
    return highContrastOn() ? GetSysColor(COLOR_WINDOW) : config.colourOf(colourName);
}

HBRUSH colourControl(MainWindow& mw, HDC dc, const wchar_t* colourName, HBRUSH& brush) {
    const COLORREF colour = backgroundColour(*mw.config, colourName);
    SetBkColor(dc, colour);
    if (highContrastOn()) SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    // Made once and kept through a reload: a background changed in config.txt
    // shows at the next start or theme change, while the text behind the rows
    // takes it at once.
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

void followColourChange(MainWindow& mw) {
    deleteViewBrushes(mw);
    // Common controls learn of the new system colours only from their parent.
    SendMessageW(mw.itemView, WM_SYSCOLORCHANGE, 0, 0);
    setViewColours(mw, windowText(mw.statusLine));
    RedrawWindow(mw.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void replaceHighContrastQuery(HighContrastQuery query) {
    highContrastSeam = query;
}

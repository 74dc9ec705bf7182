#include "view_colours_win.h"

#include "main_window_win.h"
#include "common/controls_win.h"
#include "launcher/data/config_store.h"

#include <commctrl.h>

namespace {

HighContrastQuery highContrastSeam = nullptr;

} // namespace

void deleteViewBrushes(MainWindow& mw) {
    mw.listBrush.reset();
    mw.bookmarkBrush.reset();
    mw.textBrush.reset();
}

bool highContrastOn() {
    if (highContrastSeam) return highContrastSeam();
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF backgroundColour(const MainWindow& mw, const wchar_t* colourName) {
    return mw.highContrast ? GetSysColor(COLOR_WINDOW) : mw.config->colourOf(colourName);
}

HBRUSH colourControl(MainWindow& mw, HDC dc, const wchar_t* colourName, ScopedGdiObject& brush) {
    const COLORREF colour = backgroundColour(mw, colourName);
    SetBkColor(dc, colour);
    if (mw.highContrast) SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    // Made once and kept through a reload: a background changed in config.txt
    // shows at the next start or theme change, while the text behind the rows
    // takes it at once.
    if (!brush.valid()) brush.reset(CreateSolidBrush(colour));
    return static_cast<HBRUSH>(brush.get());
}

void followColourChange(MainWindow& mw) {
    mw.highContrast = highContrastOn();
    deleteViewBrushes(mw);
    // Common controls learn of the new system colours only from their parent.
    SendMessageW(mw.itemView, WM_SYSCOLORCHANGE, 0, 0);
    setViewColours(mw, windowText(mw.statusLine));
    RedrawWindow(mw.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void replaceHighContrastQuery(HighContrastQuery query) {
    highContrastSeam = query;
}

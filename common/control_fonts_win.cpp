#include "control_fonts_win.h"

#include "display_scale_win.h"

namespace {

// The stock font is made for the system's dpi. It names its width as well,
// which grows with the height.
LOGFONTW systemFontAt(int dpi) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    const int madeFor = systemDpi();
    font.lfHeight = MulDiv(font.lfHeight, dpi, madeFor);
    font.lfWidth = MulDiv(font.lfWidth, dpi, madeFor);
    return font;
}

} // namespace

ControlFonts controlFontsFor(int dpi) {
    const LOGFONTW text = systemFontAt(dpi);
    const LOGFONTW listView = iconTitleFont(dpi);
    ControlFonts fonts;
    fonts.text.reset(CreateFontIndirectW(&text));
    fonts.listView.reset(CreateFontIndirectW(&listView));
    return fonts;
}

void setControlFont(HWND control, const ScopedGdiObject& font) {
    if (control && font.valid()) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
}

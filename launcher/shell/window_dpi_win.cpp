#include "window_dpi_win.h"

#include "common/display_scale_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/tasks/item_view_fill_win.h"

#include <initializer_list>
#include <utility>

void useWindowDpi(MainWindow& mw, int dpi) {
    mw.dpi = dpi;
    // The old fonts are deleted only once no control uses them.
    const ControlFonts old = std::exchange(mw.fonts, controlFontsFor(dpi));
    for (HWND control : {mw.statusLine, mw.inputLine, mw.candidateList, mw.bookmarkList})
        setControlFont(control, mw.fonts.text);
    setControlFont(mw.itemView, mw.fonts.listView);
    if (mw.controller && mw.controller->itemView)
        followViewDpi(mw.controller->itemView->display, smallIconSize(dpi));
}

int savedSize(int pixels, int dpi) {
    return MulDiv(pixels, systemDpi(), dpi);
}

void fitSavedSizeToDpi(MainWindow& mw) {
    const int system = systemDpi();
    if (mw.dpi == system) return;
    RECT frame{};
    GetWindowRect(mw.window, &frame);
    SetWindowPos(mw.window, nullptr, 0, 0, MulDiv(frame.right - frame.left, mw.dpi, system),
                 MulDiv(frame.bottom - frame.top, mw.dpi, system), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

#include "display_scale_win.h"

#include "dpi_scale.h"

namespace {

// From Windows 10 1607 on; looked up at run time, so that the programs still
// start on older systems, which get the system's dpi everywhere.
struct DpiFunctions {
    UINT(WINAPI* dpiForWindow)(HWND) = nullptr;
    int(WINAPI* metricForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* parametersForDpi)(UINT, UINT, void*, UINT, UINT) = nullptr;
};

template <typename Function>
void lookUp(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const DpiFunctions& dpiFunctions() {
    static const DpiFunctions functions = [] {
        DpiFunctions found;
        if (const HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            lookUp(user32, "GetDpiForWindow", found.dpiForWindow);
            lookUp(user32, "GetSystemMetricsForDpi", found.metricForDpi);
            lookUp(user32, "SystemParametersInfoForDpi", found.parametersForDpi);
        }
        return found;
    }();
    return functions;
}

} // namespace

int systemDpi() {
    const HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : layoutDpi;
}

int windowDpi(HWND window) {
    const auto dpiForWindow = dpiFunctions().dpiForWindow;
    const int dpi = window && dpiForWindow ? static_cast<int>(dpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

int smallIconSize(int dpi) {
    if (const auto metricForDpi = dpiFunctions().metricForDpi) return metricForDpi(SM_CXSMICON, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, systemDpi());
}

LOGFONTW iconTitleFont(int dpi) {
    if (const auto parametersForDpi = dpiFunctions().parametersForDpi) {
        ICONMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (parametersForDpi(SPI_GETICONMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
            return metrics.lfFont;
    }
    LOGFONTW font{};
    SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0);
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi());
    return font;
}

HICON loadSmallIcon(HINSTANCE instance, int resourceId) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

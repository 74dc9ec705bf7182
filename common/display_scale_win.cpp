#include "display_scale_win.h"

#include "dpi_scale.h"

int windowDpi(HWND window) {
    const HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : layoutDpi;
}

HICON loadSmallIcon(HINSTANCE instance, int resourceId) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

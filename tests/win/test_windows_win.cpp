#include "test_windows_win.h"

#include "common/scoped_win.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr wchar_t testWindowClass[] = L"HalvoTestTaskWindow";

void registerTestClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = testWindowClass;
    windowClass.hIconSm = TestWindows::classIcon();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&windowClass);
    registered = true;
}

template <typename Draw>
std::vector<COLORREF> drawnPixels(Draw draw) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 16, 16};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

LRESULT CALLBACK busyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& busy = *reinterpret_cast<BusyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_USER) {
        if (const HICON icon = busy.iconWhenAwake.exchange(nullptr))
            DefWindowProcW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        busy.asleep = true;
        Sleep(2000);
        busy.asleep = false;
        ++busy.wakes;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

TestWindows::~TestWindows() {
    for (HWND window : windows_)
        if (IsWindow(window)) DestroyWindow(window);
}

HWND TestWindows::create(const std::wstring& title, DWORD extraStyle, HWND owner) {
    registerTestClass();
    const HWND window = CreateWindowExW(0, testWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW | extraStyle, 10, 10,
                                        200, 100, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window) {
        // Shown without activation, so that the launcher keeps the foreground.
        if (!(extraStyle & WS_MINIMIZE)) ShowWindow(window, SW_SHOWNOACTIVATE);
        else ShowWindow(window, SW_SHOWMINNOACTIVE);
        windows_.push_back(window);
    }
    return window;
}

HICON TestWindows::classIcon() {
    return LoadIconW(nullptr, IDI_WARNING);
}

BusyWindow::BusyWindow(const std::wstring& title, DWORD extraStyle)
    : thread_([this, title, extraStyle] {
          TestWindows windows;
          const HWND created = windows.create(title, extraStyle);
          SetWindowLongPtrW(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
          SetWindowLongPtrW(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(busyProcedure));
          MSG message{};
          PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE); // the queue that WM_QUIT is posted to
          window = created;
          while (created && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
          ended_ = true;
      }) {}

BusyWindow::~BusyWindow() {
    if (window) PostThreadMessageW(GetWindowThreadProcessId(window, nullptr), WM_QUIT, 0, 0);
    // Waking up, the window may still send to this thread's windows (its IME
    // window's activation does): a join that does not pump would never end.
    while (!ended_) {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    thread_.join();
}

std::vector<std::wstring> itemViewTexts(HWND listView) {
    std::vector<std::wstring> texts;
    const int count = ListView_GetItemCount(listView);
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        ListView_GetItemText(listView, i, 0, text, 512);
        texts.push_back(text);
    }
    return texts;
}

int itemImage(HWND listView, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = -1;
    ListView_GetItem(listView, &item);
    return item.iImage;
}

std::vector<COLORREF> imagePixels(HIMAGELIST images, int index) {
    return drawnPixels([&](HDC dc) { ImageList_Draw(images, index, dc, 0, 0, ILD_NORMAL); });
}

std::vector<COLORREF> iconPixels(HICON icon) {
    // Through an image list like the item view's, so that both are scaled alike.
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 0);
    ImageList_ReplaceIcon(images, -1, icon);
    std::vector<COLORREF> pixels = imagePixels(images, 0);
    ImageList_Destroy(images);
    return pixels;
}

std::vector<COLORREF> freshPixels(const ItemEntry& row) {
    SHFILEINFOW info{};
    SHGetFileInfoW(row.path.c_str(), row.isFolder ? FILE_ATTRIBUTE_DIRECTORY : 0, &info, sizeof info,
                   SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    const ScopedIcon icon(info.hIcon);
    return iconPixels(icon.valid() ? icon.get() : LoadIconW(nullptr, IDI_QUESTION));
}

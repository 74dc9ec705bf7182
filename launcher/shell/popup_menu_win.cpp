// The menu bar's three menus as one popup at the input line: Alt never opens
// the menu bar, so this is the keyboard's way to them.
#include "main_window_record_win.h"
#include "common/controls_win.h"
#include "common/scoped_win.h"
#include "launcher/resources/resource.h"

#include <iterator>

namespace {

constexpr int commandPopupPosition = 2;

struct PopupItem {
    UINT id;
    const wchar_t* text;
};

constexpr PopupItem mainItems[] = {
    {IDM_SETTINGS, L"ホットキー設定(&K)"},
    {IDM_RELOAD, L"設定ファイル再読込(&R)"},
    {IDM_HELP, L"ヘルプ(&H)"},
    {IDM_EXIT, L"終了する(&X)"},
};

constexpr PopupItem periodItems[] = {
    {IDM_PERIOD_1M, L"1ヶ月(&1)"}, {IDM_PERIOD_3M, L"3ヶ月(&3)"}, {IDM_PERIOD_6M, L"6ヶ月(&6)"},
    {IDM_PERIOD_1Y, L"1年(&Y)"},   {IDM_PERIOD_2Y, L"2年(&2)"},   {IDM_PERIOD_ALL, L"すべて(&A)"},
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle invalid() { return nullptr; }
    static void close(Handle menu) { DestroyMenu(menu); }
};
using ScopedMenu = ScopedHandle<MenuTraits>;

// The popup destroys a submenu it holds together with itself.
void appendSubmenu(HMENU popup, const wchar_t* text, ScopedMenu& submenu) {
    if (AppendMenuW(popup, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu.get()), text)) submenu.release();
}

void appendItems(HMENU menu, const PopupItem* begin, const PopupItem* end) {
    for (const PopupItem* item = begin; item != end; ++item) AppendMenuW(menu, MF_STRING, item->id, item->text);
}

// The command menu as the menu bar has it, built from menu.txt.
void copyCommandItems(HWND window, HMENU target) {
    const HMENU source = GetSubMenu(GetMenu(window), commandPopupPosition);
    const int count = source ? GetMenuItemCount(source) : 0;
    for (int i = 0; i < count; ++i) {
        wchar_t text[260] = {};
        GetMenuStringW(source, i, text, 260, MF_BYPOSITION);
        AppendMenuW(target, MF_STRING, GetMenuItemID(source, i), text);
    }
}

} // namespace

void openMenuPopup(MainWindow& mw) {
    ScopedMenu popup(CreatePopupMenu());
    ScopedMenu main(CreatePopupMenu());
    ScopedMenu periods(CreatePopupMenu());
    ScopedMenu commands(CreatePopupMenu());
    if (!popup.get() || !main.get() || !periods.get() || !commands.get()) return;
    appendItems(main.get(), std::begin(mainItems), std::end(mainItems));
    appendItems(periods.get(), std::begin(periodItems), std::end(periodItems));
    copyCommandItems(mw.window, commands.get());
    appendSubmenu(popup.get(), L"メニュー(&M)", main);
    appendSubmenu(popup.get(), L"履歴表示(&H)", periods);
    appendSubmenu(popup.get(), L"コマンド(&C)", commands);

    RECT input{};
    GetWindowRect(mw.inputLine, &input);
    // Without the foreground the popup would not close when the user clicks elsewhere.
    SetForegroundWindow(mw.window);
    // The chosen id arrives as the menu bar's would, as WM_COMMAND to the window.
    TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN, input.left, input.bottom, 0, mw.window, nullptr);
    PostMessageW(mw.window, WM_NULL, 0, 0);
}

bool isMenuKey(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return wParam == VK_APPS;
    case WM_SYSKEYDOWN: return wParam == VK_F10 && keyDown(VK_SHIFT);
    // From the keyboard the position is -1, -1; a right click keeps the control's own menu.
    case WM_CONTEXTMENU: return static_cast<DWORD>(lParam) == 0xFFFFFFFF;
    default: return false;
    }
}

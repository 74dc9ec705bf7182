#include "settings_window_win.h"

#include "default_files_win.h"
#include "file_saving_win.h"
#include "hotkey_list_page_win.h"
#include "hotkey_page_win.h"
#include "launcher_control_win.h"
#include "resources/resource.h"
#include "common/accessibility_win.h"
#include "common/controls_win.h"
#include "common/display_scale_win.h"
#include "common/dpi_scale.h"
#include "common/file_writer_win.h"
#include "common/folders_win.h"
#include "common/posted_answer_win.h"
#include "common/window_class_win.h"
#include "common/writable_folder_win.h"

#include <commctrl.h>
#include <imm.h>

#include <utility>


SettingsWindow* theSettingsWindow = nullptr;
HotkeyList* theHotkeyList = nullptr;
std::wstring configPath;
FileWriter* const theFileWriter = new FileWriter();

namespace {

constexpr wchar_t basicPageTitle[] = L"基本設定";
constexpr wchar_t extraPageTitle[] = L"追加ホットキー設定";
constexpr wchar_t showHotkeyLabel[] = L"Halvorundeを表示するホットキー";

// Positions and sizes are for 96 dpi.
struct ControlDefinition {
    const wchar_t* className;
    const wchar_t* text;
    int id;
    int x, y, width, height;
    DWORD style;
};

constexpr int windowWidthAt96 = 1200;
constexpr int windowHeightAt96 = 700;

constexpr DWORD checkStyle = BS_CHECKBOX | BS_LEFTTEXT;

bool isListView(HWND control) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    return lstrcmpiW(name, WC_LISTVIEWW) == 0;
}

void setFont(const SettingsWindow& sw, HWND control) {
    setControlFont(control, isListView(control) ? sw.fonts.listView : sw.fonts.text);
}

HWND createControl(SettingsWindow& sw, HINSTANCE instance, const ControlDefinition& control) {
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id));
    const ControlRect at96{control.x, control.y, control.width, control.height};
    const ControlRect place = scaledToDpi(at96, sw.dpi);
    const HWND created = CreateWindowExW(0, control.className, control.text, WS_CHILD | WS_VISIBLE | control.style,
                                         place.x, place.y, place.width, place.height, sw.window, id, instance, nullptr);
    sw.placedControls.push_back({created, at96});
    setFont(sw, created);
    return created;
}

void show(HWND control, bool visible) {
    ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void enable(HWND control, bool enabled) {
    EnableWindow(control, enabled ? TRUE : FALSE);
}

// The labels are static texts beside the controls, tied to nothing: screen
// readers hear the controls by these names instead.
void nameControls(const SettingsWindow& sw) {
    const HotkeyEditor& editor = *sw.editor;
    setAccessibleName(sw.hotkeyListView, L"追加ホットキー");
    setAccessibleName(editor.commandEdit, L"コマンド");
    setAccessibleName(editor.ctrlCheck, L"Ctrl キー");
    setAccessibleName(editor.altCheck, L"Alt キー");
    setAccessibleName(editor.shiftCheck, L"Shift キー");
    setAccessibleName(editor.windowsCheck, L"Windows キー");
}

// The key field's label follows the page, and the field's name with it.
void setHotkeyLabel(const SettingsWindow& sw, const std::wstring& label, size_t trailingBlanks) {
    SetWindowTextW(sw.hotkeyLabel, (label + std::wstring(trailingBlanks, L' ')).c_str());
    setAccessibleName(sw.editor->keyEdit, label);
}

void createControls(SettingsWindow& sw, HWND window, HINSTANCE instance) {
    auto* editor = new HotkeyEditor();
    // In the order the tab stops and the z order follow.
    sw.hotkeyListView = createControl(sw, instance, {WC_LISTVIEWW, L"", fieldId, 20, 50, 750, 300, LVS_REPORT});
    editor->commandEdit = createControl(sw, instance, {L"EDIT", L"", fieldId, 50, 380, 1000, 30, WS_BORDER});
    editor->keyEdit = createControl(sw, instance, {L"EDIT", L"", fieldId, 50, 450, 1000, 30, WS_BORDER});
    sw.addButton = createControl(sw, instance, {L"BUTTON", L"追加", addCommand, 100, 540, 60, 25, BS_PUSHBUTTON});
    sw.updateButton =
        createControl(sw, instance, {L"BUTTON", L"更新", updateCommand, 200, 540, 60, 25, BS_PUSHBUTTON});
    sw.deleteButton =
        createControl(sw, instance, {L"BUTTON", L"削除", deleteCommand, 300, 540, 60, 25, BS_PUSHBUTTON});
    sw.saveButton = createControl(sw, instance, {L"BUTTON", L"保存", saveCommand, 400, 540, 60, 25, BS_PUSHBUTTON});
    sw.quitSettingsButton = createControl(
        sw, instance, {L"BUTTON", L"設定終了", quitSettingsCommand, 500, 540, 90, 25, BS_PUSHBUTTON});
    createControl(sw, instance, {L"BUTTON", L"全終了", quitAllCommand, 600, 540, 90, 25, BS_PUSHBUTTON});
    editor->ctrlCheck = createControl(sw, instance, {L"BUTTON", L"Ctrl", ctrlCheckId, 100, 500, 55, 30, checkStyle});
    editor->altCheck = createControl(sw, instance, {L"BUTTON", L"Alt", altCheckId, 220, 500, 55, 30, checkStyle});
    editor->shiftCheck =
        createControl(sw, instance, {L"BUTTON", L"Shift", shiftCheckId, 340, 500, 55, 30, checkStyle});
    editor->windowsCheck =
        createControl(sw, instance, {L"BUTTON", L"Windows", windowsCheckId, 460, 500, 80, 30, checkStyle});
    sw.pageButton = createControl(sw, instance,
                                  {L"BUTTON", basicPageTitle, pageButtonId, 0, 0, 200, 20,
                                   WS_GROUP | BS_AUTORADIOBUTTON | BS_PUSHLIKE});
    sw.commandLabel = createControl(sw, instance, {L"STATIC", L"コマンド", fieldId, 20, 355, 350, 20, 0});
    sw.hotkeyLabel = createControl(sw, instance, {L"STATIC", showHotkeyLabel, fieldId, 20, 425, 350, 20, 0});
    sw.liveRegion = createLiveRegion(window, fieldId);

    insertHotkeyColumns(sw.hotkeyListView, sw.dpi);
    SendMessageW(editor->commandEdit, EM_LIMITTEXT, maxCommandLength, 0);
    // A key field takes keys, not text: with an IME on, every key would reach
    // keyEditProcedure as VK_PROCESSKEY and no shortcut key could be set.
    ImmAssociateContext(editor->keyEdit, nullptr);
    sw.standardEditProcedure = subclass(editor->keyEdit, keyEditProcedure);
    subclass(editor->commandEdit, commandEditProcedure);
    sw.editor = editor;
    nameControls(sw);
}

LRESULT onCreate(SettingsWindow& sw, HWND window, const CREATESTRUCTW* creation) {
    closeLauncher();
    sw.window = window;
    sw.dpi = windowDpi(window);
    sw.fonts = controlFontsFor(sw.dpi);
    createControls(sw, window, creation->hInstance);
    return 0;
}

// Moved to a monitor with another scaling, or the scaling changed: the
// controls are placed and lettered again at the new dpi, and the window takes
// the suggested rectangle, which keeps its size at the new scale.
LRESULT onDpiChanged(SettingsWindow& sw, WPARAM wParam, const RECT& suggested) {
    sw.dpi = HIWORD(wParam);
    // The old fonts are deleted only once no control uses them.
    const ControlFonts old = std::exchange(sw.fonts, controlFontsFor(sw.dpi));
    for (const PlacedControl& placed : sw.placedControls) {
        const ControlRect place = scaledToDpi(placed.at96, sw.dpi);
        MoveWindow(placed.control, place.x, place.y, place.width, place.height, TRUE);
        setFont(sw, placed.control);
    }
    scaleHotkeyColumns(sw.hotkeyListView, sw.dpi);
    SetWindowPos(sw.window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

std::wstring folderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

LRESULT onDestroy(SettingsWindow& sw, HWND window) {
    clearAccessibility(window);
    finishSettingsWrites(true);
    // A launcher without a show hotkey would only open this tool again, and so on.
    if (!sw.quitAll && showHotkeySaved()) startLauncher();
    PostQuitMessage(0);
    return 0;
}

LRESULT onEndSession(SettingsWindow& sw, WPARAM ending) {
    // A cancelled log-off must not end the tool and drop unsaved changes.
    if (!ending) return 0;
    finishSettingsWrites(false); // no box may hold up the session's end
    PostQuitMessage(0);
    return 0;
}

// Said once a start: otherwise every save would fail.
void onFolderChecked(HWND window, LPARAM answer) {
    const auto writable = takeAnswer<bool>(answer);
    if (writable && !writable->value) tellFolderNotWritable(window, folderOf(folderOf(configPath)));
}

// The look at the disk runs on a worker, once the window shows.
void checkFolderWritable(HWND window) {
    const std::wstring folder = folderOf(configPath);
    const std::vector<std::wstring> files{configPath, theHotkeyList ? theHotkeyList->path : std::wstring()};
    answerOnWorker<bool>(window, folderCheckedMessage, 0, [folder, files] { return folderWritable(folder, files); });
}

LRESULT onPaint(HWND window) {
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    return 0;
}

LRESULT onNotify(SettingsWindow& sw, const NMHDR* header) {
    if (header->code == LVN_ITEMCHANGED && sw.editor && header->hwndFrom == sw.hotkeyListView) showSelection(sw);
    return 0;
}

INT_PTR CALLBACK aboutProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default: return FALSE;
    }
}

void saveCurrentPage(SettingsWindow& sw) {
    if (sw.onBasicPage) {
        saveMainHotkey(sw);
    } else {
        saveHotkeyList(sw);
    }
}

void onModifierCheck(SettingsWindow& sw, HWND check) {
    flipCheck(check);
    updateButtons(sw);
}

LRESULT onCommand(SettingsWindow& sw, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case quitAllCommand:
        sw.quitAll = true;
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
    case quitSettingsCommand: PostMessageW(window, WM_CLOSE, 0, 0); return 0;
    case addCommand: addHotkeyRow(sw); return 0;
    case updateCommand: updateHotkeyRow(sw); return 0;
    case deleteCommand: deleteHotkeyRow(sw); return 0;
    case saveCommand: saveCurrentPage(sw); return 0;
    case ctrlCheckId: onModifierCheck(sw, sw.editor->ctrlCheck); return 0;
    case altCheckId: onModifierCheck(sw, sw.editor->altCheck); return 0;
    case shiftCheckId: onModifierCheck(sw, sw.editor->shiftCheck); return 0;
    case windowsCheckId: onModifierCheck(sw, sw.editor->windowsCheck); return 0;
    case pageButtonId: switchPage(sw); return 0;
    case IDM_ABOUT: DialogBoxW(sw.instance, MAKEINTRESOURCEW(IDD_ABOUTBOX), window, aboutProcedure); return 0;
    case IDM_EXIT: DestroyWindow(window); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT handleMessage(SettingsWindow& sw, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(sw, window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY: return onDestroy(sw, window);
    case WM_ENDSESSION: return onEndSession(sw, wParam);
    case WM_PAINT: return onPaint(window);
    case WM_DPICHANGED: return onDpiChanged(sw, wParam, *reinterpret_cast<const RECT*>(lParam));
    case WM_NOTIFY: return onNotify(sw, reinterpret_cast<const NMHDR*>(lParam));
    case unreadHotkeyListMessage: tellHotkeyListUnread(window); return 0;
    case folderCheckedMessage: onFolderChecked(window, lParam); return 0;
    case saveAnsweredMessage: onSaveAnswered(sw, lParam); return 0;
    case WM_COMMAND:
        if (!sw.editor) return DefWindowProcW(window, message, wParam, lParam);
        return onCommand(sw, window, message, wParam, lParam);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK settingsWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!theSettingsWindow) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return handleMessage(*theSettingsWindow, window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

// Everything the window shows before the first page is chosen.
void setInitialLayout(SettingsWindow& sw) {
    const HotkeyEditor& editor = *sw.editor;
    setHotkeyLabel(sw, showHotkeyLabel, 30);
    SetWindowTextW(sw.commandLabel, L"コマンド");
    SendMessageW(sw.hotkeyListView, LVM_DELETEALLITEMS, 0, 0);
    enable(sw.addButton, false);
    enable(sw.updateButton, true);
    enable(sw.deleteButton, false);
    enable(sw.saveButton, true);
    show(sw.commandLabel, false);
    show(sw.hotkeyLabel, true);
    show(editor.commandEdit, false);
    show(editor.keyEdit, true);
    for (HWND check : {editor.ctrlCheck, editor.altCheck, editor.shiftCheck, editor.windowsCheck}) enable(check, true);
    show(sw.pageButton, true);
    show(sw.hotkeyListView, false);
}

void toExtraPage(SettingsWindow& sw) {
    const HotkeyEditor& editor = *sw.editor;
    SetWindowTextW(sw.pageButton, extraPageTitle);
    sw.onBasicPage = false;
    setHotkeyLabel(sw, L"ホットキー", 1);
    show(sw.hotkeyListView, true);
    show(editor.commandEdit, true);
    show(sw.commandLabel, true);
    SetWindowTextW(editor.commandEdit, L"");
    SetWindowTextW(editor.keyEdit, L"");
    for (HWND button : {sw.addButton, sw.updateButton, sw.deleteButton, sw.saveButton}) enable(button, false);
    setModifierChecks(editor, 0);
    enterHotkeyList(sw);
}

void toBasicPage(SettingsWindow& sw) {
    const HotkeyEditor& editor = *sw.editor;
    SetWindowTextW(sw.pageButton, basicPageTitle);
    sw.onBasicPage = true;
    setHotkeyLabel(sw, showHotkeyLabel, 1);
    show(sw.hotkeyListView, false);
    show(editor.commandEdit, false);
    show(sw.commandLabel, false);
    readMainHotkey(sw);
    SetWindowTextW(editor.commandEdit, L"");
    for (HWND button : {sw.addButton, sw.updateButton, sw.deleteButton, sw.saveButton}) enable(button, false);
}

} // namespace

void switchPage(SettingsWindow& sw) {
    if (sw.onBasicPage) {
        toExtraPage(sw);
    } else {
        toBasicPage(sw);
    }
}

void updateButtons(SettingsWindow& sw) {
    if (sw.onBasicPage) {
        updateBasicPageButtons(sw);
    } else {
        updateExtraPageButtons(sw);
    }
}

void prepareSettingsFiles(const std::wstring& configFolder) {
    ensureFolder(configFolder);
    delete theHotkeyList;
    theHotkeyList = loadHotkeyList(configFolder + L"\\hotkey.txt");
    configPath = configFolder + L"\\config.txt";
    writeDefaultFiles(configFolder);
}

void registerSettingsWindowClass(HINSTANCE instance) {
    registerProgramWindowClass(instance, {.procedure = settingsWindowProcedure,
                                          .nameAndMenuId = IDC_HALVOTUNE,
                                          .iconId = IDI_HALVOTUNE,
                                          .smallIconId = IDI_SMALL});
}

HWND createSettingsWindow(HINSTANCE instance, int showCommand) {
    // A window that was destroyed leaves its record behind; a new window starts afresh.
    if (theSettingsWindow) {
        delete theSettingsWindow->editor;
        delete theSettingsWindow;
    }
    auto* sw = new SettingsWindow();
    theSettingsWindow = sw;
    sw->instance = instance;
    LoadStringW(instance, IDS_APP_TITLE, sw->title, textBufferSize);
    LoadStringW(instance, IDC_HALVOTUNE, sw->className, textBufferSize);
    const HWND window = CreateWindowExW(0, sw->className, sw->title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                        CW_USEDEFAULT, 0, nullptr, nullptr, instance, nullptr);
    if (!window || !sw->editor) return nullptr;
    const int dpi = sw->dpi;
    MoveWindow(window, 10, 10, scaledToDpi(windowWidthAt96, dpi), scaledToDpi(windowHeightAt96, dpi), TRUE);
    setInitialLayout(*sw);
    theFileWriter->answerWith(postWriteOutcomes(window, saveAnsweredMessage, 0, false));
    const bool noShowHotkey = readMainHotkey(*sw);
    if (noShowHotkey) {
        for (HWND button : {sw->pageButton, sw->updateButton, sw->quitSettingsButton, sw->saveButton}) {
            enable(button, false);
        }
    } else {
        switchPage(*sw);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    // After showing: activating the window would move the focus to the window itself.
    if (noShowHotkey) SetFocus(sw->editor->keyEdit);
    checkFolderWritable(window);
    return window;
}

bool translateSettingsAccelerator(HACCEL accelerators, MSG& message) {
    // The command goes to the main window even when a field has the focus:
    // translated against the field, it would reach the edit control instead.
    const HWND window = theSettingsWindow ? theSettingsWindow->window : nullptr;
    if (!window || (message.hwnd != window && !IsChild(window, message.hwnd))) return false;
    return TranslateAcceleratorW(window, accelerators, &message) != 0;
}

int runSettingsMessageLoop(HINSTANCE instance) {
    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDC_HALVOTUNE));
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!translateSettingsAccelerator(accelerators, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

int runSettingsTool(HINSTANCE instance, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    registerSettingsWindowClass(instance);
    if (!createSettingsWindow(instance, showCommand)) return 0;
    return runSettingsMessageLoop(instance);
}

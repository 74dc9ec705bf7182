#include "main_window_win.h"

#include "hotkey_manager_win.h"
#include "kana_setup_win.h"
#include "layout.h"
#include "list_announcement_win.h"
#include "menu_commands_win.h"
#include "message_filter_win.h"
#include "notify_icon_win.h"
#include "title.h"
#include "view_colours_win.h"
#include "window_dpi_win.h"
#include "common/accessibility_win.h"
#include "common/display_scale_win.h"
#include "common/file_writer_win.h"
#include "common/folders_win.h"
#include "common/matching.h"
#include "common/posted_answer_win.h"
#include "common/writable_folder_win.h"
#include "launcher/data/config_store_win.h"
#include "launcher/data/data_store_win.h"
#include "launcher/input/clipboard_copy_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/shell_open_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/resources/resource.h"
#include "launcher/tasks/item_icons_win.h"
#include "launcher/tasks/item_view_fill_win.h"
#include "launcher/tasks/task_view_state_win.h"
#include "common/controls_win.h"

#include <commctrl.h>
#include <imm.h>

#include <utility>

namespace {

constexpr wchar_t refusedFileAdvice[] =
    L"読み取り専用でないか、書き込めるフォルダーかを確かめてください。\n"
    L"内容は覚えていて、次の保存か終了のときにもう一度書き込みます。";

// imeOff: paths and commands come half-width; the user may open the IME again.
void closeImeIfAsked(MainWindow& mw) {
    if (!mw.config->isOn(L"imeOff")) return;
    if (const HIMC context = ImmGetContext(mw.inputLine)) {
        ImmSetOpenStatus(context, FALSE);
        ImmReleaseContext(mw.inputLine, context);
    }
}

HWND createChild(HWND parent, HINSTANCE instance, const wchar_t* className, const wchar_t* text, DWORD style,
                 int id, ControlRect rect) {
    return CreateWindowExW(0, className, text, style, rect.x, rect.y, rect.width, rect.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void createControls(MainWindow& mw, HWND window, HINSTANCE instance) {
    constexpr DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_SORT;
    mw.statusLine = createChild(window, instance, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER,
                                otherControlId, {0, 0, 500, 30});
    mw.inputLine = createChild(window, instance, L"EDIT", L"hh_t", WS_CHILD | WS_VISIBLE | WS_BORDER, inputLineId,
                               {0, 0, 500, 30});
    mw.candidateList = createChild(window, instance, L"LISTBOX", nullptr, listStyle, otherControlId, {0, 30, 500, 200});
    mw.itemView = createChild(window, instance, WC_LISTVIEWW, nullptr,
                              WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_OWNERDATA, otherControlId, {0, 0, 10, 10});
    // Painted through a buffer, so that a refill never shows a blank frame.
    ListView_SetExtendedListViewStyle(mw.itemView, LVS_EX_DOUBLEBUFFER);
    mw.bookmarkList = createChild(window, instance, L"LISTBOX", nullptr, listStyle, otherControlId, {0, 30, 500, 200});
}

constexpr wchar_t tasksName[] = L"タスク";
constexpr wchar_t folderName[] = L"フォルダーの内容";

// No control has a label before it, so a screen reader would say only "edit" or "list".
// The item view is named after the view the creation restored.
void nameControls(MainWindow& mw) {
    setAccessibleName(mw.statusLine, L"現在のフォルダー");
    setAccessibleName(mw.inputLine, L"入力");
    setAccessibleName(mw.candidateList, L"候補");
    setAccessibleName(mw.itemView, windowText(mw.statusLine).empty() ? tasksName : folderName);
    setAccessibleName(mw.bookmarkList, L"ブックマーク");
}

void createController(MainWindow& mw) {
    auto* controller = new Controller();
    controller->mainWindow = &mw;
    controller->data = mw.data;
    auto* view = new ViewState();
    view->mainWindow = &mw;
    view->controller = controller;
    controller->view = view;
    mw.controller = controller;

    auto* inputEdit = new InputEditHandler();
    inputEdit->controller = controller;
    inputEdit->viewState = view;
    inputEdit->edit = mw.inputLine;
    inputEdit->previousProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(mw.inputLine, GWLP_WNDPROC));
    controller->inputEdit = inputEdit;
    theInputEditHandler = inputEdit;

    auto* candidates = new CandidateListHandler();
    candidates->controller = controller;
    candidates->listBox = mw.candidateList;
    controller->candidateList = candidates;
    view->candidateList = candidates;
    theCandidateListHandler = candidates;

    auto* items = new ItemViewHandler();
    items->controller = controller;
    items->listView = mw.itemView;
    controller->itemView = items;
    view->itemView = items;
    theItemViewHandler = items;

    auto* taskView = new TaskViewState();
    taskView->mainWindow = &mw;
    taskView->display = &items->display;
    taskView->config = mw.config;
    controller->taskView = taskView;

    inputEdit->previousProcedure = subclass(mw.inputLine, inputLineProcedure);
    candidates->previousProcedure = subclass(mw.candidateList, candidateListProcedure);
    items->previousProcedure = subclass(mw.itemView, itemViewProcedure);
}

void insertItemColumn(HWND itemView, int dpi) {
    constexpr int columnWidthAt96 = 100;
    wchar_t text[] = L"Input";
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = scaledToDpi(columnWidthAt96, dpi);
    column.pszText = text;
    ListView_InsertColumn(itemView, 0, &column);
}

LRESULT onCreate(HWND window, const CREATESTRUCTW* creation) {
    MainWindow& mw = *theMainWindow;
    mw.window = window;
    mw.highContrast = highContrastOn();
    createControls(mw, window, creation->hInstance);
    createController(mw);
    useWindowDpi(mw, windowDpi(window));
    fitSavedSizeToDpi(mw);
    insertItemColumn(mw.itemView, mw.dpi);
    mw.controller->config = mw.config;
    SetWindowTextW(mw.inputLine, mw.config->inputText.c_str());
    // Listing the tasks with their icons, adding the notification icon and
    // the accessibility service (its first use loads a library) cost tens of
    // milliseconds the window need not wait for: they follow as the first
    // message, once it is up. Until then the task step is held back.
    PostMessageW(window, WM_CREATED, 0, 0);
    TaskViewState& taskView = *mw.controller->taskView;
    taskView.heldUntilCreated.emplace(taskView.refreshFree);
    mw.controller->restoreFolder(mw.config->statusText);
    mw.windowCreated = true;
    mw.lastActivationSeconds = secondsSinceStart();
    return 0;
}

// The rest of the creation, right after the window is first shown.
LRESULT onCreated(MainWindow& mw) {
    createListAnnouncer(mw);
    nameControls(mw);
    // Shown before the live region was there: the lists are said after the usual pause.
    if (IsWindowVisible(mw.window)) listsShownOrHidden(mw, true);
    allowLowerIntegrityMessages(mw.window);
    addNotifyIcon(mw);
    closeImeIfAsked(mw);
    requestKanaDictionary(mw);
    warmShellIcons(mw.controller->itemView->display.icons);
    TaskViewState& taskView = *mw.controller->taskView;
    if (mw.controller->view->shownFolder.empty()) {
        // Still part of the creation, before the window first had the focus:
        // this listing closes no autoClose window yet.
        const bool armed = std::exchange(taskView.autoCloseArmed, false);
        refreshTaskList(taskView, lowerText(windowText(mw.inputLine)));
        taskView.autoCloseArmed = armed;
    }
    taskView.endCreationHold();
    return 0;
}

void moveControl(HWND control, ControlRect rect) {
    MoveWindow(control, rect.x, rect.y, rect.width, rect.height, TRUE);
}

void layoutControls(MainWindow& mw) {
    RECT client{};
    GetClientRect(mw.window, &client);
    const int width = client.right;
    const int height = client.bottom;
    const int dpi = mw.dpi;
    moveControl(mw.candidateList, candidateListRect(width, height, dpi));
    RECT listClient{};
    GetClientRect(mw.candidateList, &listClient);
    const LowerControls lower = lowerControlRects(width, height, listClient.bottom, dpi);
    moveControl(mw.statusLine, lower.statusLine);
    moveControl(mw.inputLine, lower.inputLine);
    moveControl(mw.itemView, lower.itemView);
    moveControl(mw.bookmarkList, lower.bookmarkList);
}

void recordWindowRect(MainWindow& mw) {
    RECT r{};
    GetWindowRect(mw.window, &r);
    if (!isRecordableRect(r.left, r.top, r.right, r.bottom, mw.dpi)) return;
    mw.config->x = r.left;
    mw.config->y = r.top;
    mw.config->width = savedSize(r.right - r.left, mw.dpi);
    mw.config->height = savedSize(r.bottom - r.top, mw.dpi);
}

LRESULT onMoveOrSize(MainWindow& mw) {
    if (!mw.candidateList) return 0; // sizing during creation, before the controls exist
    // Hiding minimises first: a minimised window has no client area to lay
    // out, and the controls keep their places for its return.
    if (!IsIconic(mw.window)) layoutControls(mw);
    recordWindowRect(mw);
    return 0;
}

// Moved to a monitor with another scaling, or the scaling changed: the
// suggested rectangle keeps the window's size at the new scale.
LRESULT onDpiChanged(MainWindow& mw, WPARAM wParam, const RECT& suggested) {
    useWindowDpi(mw, HIWORD(wParam));
    SetWindowPos(mw.window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Laid out again even where the move left the size in pixels as it was.
    return onMoveOrSize(mw);
}

LRESULT onActivate(MainWindow& mw, WPARAM wParam) {
    if (!mw.windowCreated) return -1;
    ++activityCounter;
    if (LOWORD(wParam) == WA_INACTIVE) {
        const bool settled = secondsSinceStart() - mw.lastActivationSeconds >= 3;
        if (settled && mw.controller->view->idle && !mw.closing) mw.controller->dismiss();
    } else {
        mw.lastActivationSeconds = secondsSinceStart();
        focusInput(mw);
    }
    return 0;
}

void openBesideLauncher(const wchar_t* relativePath) {
    const std::wstring path = exeFolder() + relativePath;
    openWithShell(path, nullptr);
}

LRESULT onCommand(MainWindow& mw, HWND window, WPARAM wParam, LPARAM lParam) {
    if (!mw.windowCreated) return -1;
    const int id = LOWORD(wParam);
    // No return after EN_CHANGE: it goes on to DefWindowProc through the menu
    // dispatch, which no control's id (all below firstCommandId) can match.
    if (HIWORD(wParam) == EN_CHANGE && id == inputLineId) mw.controller->onInputChanged();
    switch (handleMenuCommand(mw, id)) {
    case MenuAnswer::periodChanged: updateTitle(mw); return 0;
    case MenuAnswer::commandOpened: mw.controller->dismiss(); return 0;
    case MenuAnswer::notMine: break;
    }
    switch (id) {
    case IDM_EXIT:
        mw.closing = true;
        DestroyWindow(window);
        return 0;
    case IDM_HELP: openBesideLauncher(L"\\help\\help.html"); return 0;
    case IDM_SETTINGS: openBesideLauncher(L"\\Halvotune.exe"); return 0;
    case IDM_RELOAD: reloadAll(mw); return 0;
    default: return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
    }
}

LRESULT onSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    // Alt alone or with a letter must not put the focus on the menu bar.
    if (wParam == SC_KEYMENU && static_cast<LONG_PTR>(lParam) < 0x10000) return 0;
    return DefWindowProcW(window, WM_SYSCOMMAND, wParam, lParam);
}

LRESULT onColourEdit(MainWindow& mw, HDC dc, HWND control) {
    if (control != mw.inputLine) return 0;
    return reinterpret_cast<LRESULT>(colourControl(mw, dc, L"text", mw.textBrush));
}

LRESULT onColourListBox(MainWindow& mw, HDC dc, HWND control) {
    if (control == mw.candidateList) return reinterpret_cast<LRESULT>(colourControl(mw, dc, L"list", mw.listBrush));
    if (control == mw.bookmarkList) return reinterpret_cast<LRESULT>(colourControl(mw, dc, L"bookmark", mw.bookmarkBrush));
    return 0;
}

void saveState(MainWindow& mw) {
    FileWriter& writer = mw.data->writer;
    saveWindowState(*mw.config, windowText(mw.statusLine), windowText(mw.inputLine), writer);
    saveHistoryLists(*mw.data);
    // A file still held gets about two seconds more, a slow share's writes a
    // while longer; then the exit goes on.
    writer.drain(writeRetryAtExit, writeWaitAtExit);
}

LRESULT onTimer(MainWindow& mw, WPARAM id) {
    if (id == clipboardRetryTimer) onClipboardRetry(mw);
    if (id == listAnnouncementTimer) announceLists(mw);
    return 0;
}

LRESULT onWriteRefused(MainWindow& mw, WPARAM request, LPARAM lParam) {
    const auto answer = takeAnswer<WriteOutcome>(lParam);
    if (!answer || answer->value.result != WriteResult::refused) return 0;
    // Once the folder was said to refuse its files, none of them is said again.
    const std::wstring folder = exeFolder();
    if (mw.refusalsTold.count(folder)) return 0;
    if (request == unwritableFolderRequest) {
        mw.refusalsTold.insert(folder);
        tellFolderNotWritable(mw.window, folder);
    } else if (mw.refusalsTold.insert(answer->value.path).second) {
        tellSaveRefused(answer->value.path, refusedFileAdvice);
    }
    return 0;
}

LRESULT onDestroy(MainWindow& mw) {
    clearAccessibility(mw.window);
    deleteViewBrushes(mw);
    // Saving fails silently, even for want of memory: the hotkeys, the icon
    // and the loop must end all the same, or an invisible launcher would keep
    // the single-instance mutex and swallow every later start.
    try {
        saveState(mw);
    } catch (...) {
    }
    unregisterHotkeys(*theHotkeyManager);
    removeNotifyIcon(mw);
    PostQuitMessage(0);
    return 0;
}

LRESULT onNotify(MainWindow& mw, NMHDR& header) {
    if (header.hwndFrom != mw.itemView || !mw.controller || !mw.controller->itemView) return 0;
    return onItemViewNotify(mw.controller->itemView->display, header);
}

LRESULT onTasksIdle(MainWindow& mw) {
    if (mw.controller->taskView->taskViewActive) mw.controller->dismiss();
    return 0;
}

LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindow& mw = *theMainWindow;
    switch (message) {
    case WM_CREATE: return onCreate(window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY: return onDestroy(mw);
    case WM_MOVE:
    case WM_SIZE: return onMoveOrSize(mw);
    case WM_DPICHANGED: return onDpiChanged(mw, wParam, *reinterpret_cast<const RECT*>(lParam));
    case WM_ACTIVATE: return onActivate(mw, wParam);
    case WM_SETFOCUS: focusInput(mw); return 0;
    case WM_SHOWWINDOW:
        // Also for shows that bypass showLauncher (a second start's restore);
        // showLauncher finishes it itself, as its own show may come later.
        if (wParam && mw.controller) mw.controller->finishDismissal();
        listsShownOrHidden(mw, wParam != FALSE);
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_NOTIFY: return onNotify(mw, *reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND: return onCommand(mw, window, wParam, lParam);
    case WM_SYSCOMMAND: return onSysCommand(window, wParam, lParam);
    // From the children that leave it to their parent: the lists.
    case WM_CONTEXTMENU:
        if (!isMenuKey(message, wParam, lParam)) return DefWindowProcW(window, message, wParam, lParam);
        openMenuPopup(mw);
        return 0;
    case WM_CTLCOLOREDIT: return onColourEdit(mw, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORLISTBOX: return onColourListBox(mw, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SYSCOLORCHANGE: followColourChange(mw); return 0;
    // Sent for many settings; only the high-contrast switch changes the colours.
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST) followColourChange(mw);
        return 0;
    case WM_CLOSE:
        mw.closing = true;
        return DefWindowProcW(window, message, wParam, lParam);
    case WM_ENDSESSION:
        // The session ends without destroying our window: save what closing would.
        if (wParam) saveState(mw);
        return 0;
    case WM_HOTKEY: onHotkey(*theHotkeyManager, LOWORD(wParam)); return 0;
    case WM_TRAYICON: showLauncher(mw); return 0;
    case WM_CREATED: return onCreated(mw);
    case WM_DICTIONARY_LOADED: return onDictionaryLoaded(mw, lParam);
    case WM_TIMER: return onTimer(mw, wParam);
    case WM_DISMISSED: mw.controller->onDismissed(); return 0;
    case WM_CLIP_FILE_READ: return onClipFileRead(mw, lParam);
    case WM_FOLDER_LISTED: mw.controller->onFolderAnswer(wParam, lParam); return 0;
    case WM_FILES_DELETED: mw.controller->view->takeDeletionAnswer(lParam); return 0;
    case WM_WRITE_REFUSED: return onWriteRefused(mw, wParam, lParam);
    case WM_TASKS_CHANGED:
    case WM_TASKS_REFRESH:
    case WM_TASKS_DELAYED_CLOSE: return onTaskMessage(*mw.controller->taskView, message);
    case WM_TASKS_IDLE: return onTasksIdle(mw);
    case WM_TASKS_AUTO_ACTIVATE: mw.controller->autoActivate(static_cast<int32_t>(wParam)); return 0;
    case WM_WINDOW_ICON:
    case WM_FILE_ICON: return onItemIconAnswer(mw.controller->itemView->display, message, wParam, lParam);
    default:
        if (isTaskbarCreatedMessage(message)) {
            addNotifyIcon(mw);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // No exception may cross into the system's dispatch.
    try {
        return handleMessage(window, message, wParam, lParam);
    } catch (...) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int64_t secondsSinceStart() {
    return wholeSecondsBetween(startTime, std::chrono::steady_clock::now());
}

void updateTitle(MainWindow& mw) {
    SetWindowTextW(mw.window, launcherTitle(mw.config->historyMonths).c_str());
}

void setViewColours(MainWindow& mw, const std::wstring& text) {
    const COLORREF colour = backgroundColour(mw, text.empty() ? L"viewTask" : L"viewFile");
    ListView_SetBkColor(mw.itemView, colour);
    ListView_SetTextBkColor(mw.itemView, colour);
    ListView_SetTextColor(mw.itemView, mw.highContrast ? GetSysColor(COLOR_WINDOWTEXT) : CLR_DEFAULT);
    // Named again only when the view switches, so a screen reader hears the change once.
    if (windowText(mw.statusLine).empty() != text.empty())
        setAccessibleName(mw.itemView, text.empty() ? tasksName : folderName);
    SetWindowTextW(mw.statusLine, text.c_str());
}

void focusInput(MainWindow& mw) {
    mw.controller->taskView->autoCloseArmed = true;
    SendMessageW(mw.candidateList, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const LRESULT length = SendMessageW(mw.inputLine, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(mw.inputLine, EM_SETSEL, static_cast<WPARAM>(length), length);
    focusInputLine(mw);
}

void focusInputLine(MainWindow& mw) {
    ++activityCounter;
    SetFocus(mw.inputLine);
}

void showLauncher(MainWindow& mw) {
    mw.controller->finishDismissal();
    mw.data->bookmarkIndex = -1;
    // Used from the keyboard: the lists show their focus rectangles from the
    // first key on, even after a click had them hidden.
    SendMessageW(mw.window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    bringWindowToFront(mw.window);
    focusInputLine(mw);
    closeImeIfAsked(mw);
    // A folder still being browsed stays listed: the task refresh would paint
    // the windows under the folder's status line.
    if (!mw.controller->view->shownFolder.empty()) return;
    mw.controller->taskView->taskViewActive = true;
    PostMessageW(mw.window, WM_TASKS_REFRESH, 0, 0);
}

// The item view: Enter activates, arrows wrap, Delete and Backspace close
// tasks, anything else returns to the input line.
#include "input_handlers_win.h"

#include "controller_win.h"
#include "key_results_win.h"
#include "loading_note_win.h"
#include "view_state_win.h"
#include "common/character_codes.h"
#include "common/controls_win.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <commctrl.h>

#include <cwctype>

namespace {

int32_t nextRow(const ItemViewHandler& handler, UINT flags) {
    return static_cast<int32_t>(ListView_GetNextItem(handler.listView, -1, flags));
}

bool isSelected(const ItemViewHandler& handler, int32_t row) {
    return ListView_GetItemState(handler.listView, row, LVIS_SELECTED) != 0;
}

void closeTask(const TaskWindow& task) {
    PostMessageW(static_cast<HWND>(task.window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Delete closes the selected tasks, Backspace all the others.
void closeTasks(ItemViewHandler& handler, bool selected) {
    const std::vector<TaskWindow>& tasks = handler.controller->taskView->shownTasks;
    for (size_t row = 0; row < tasks.size(); ++row)
        if (isSelected(handler, static_cast<int32_t>(row)) == selected) closeTask(tasks[row]);
}

void moveSelection(ItemViewHandler& handler, int32_t from, int32_t to) {
    ListView_SetItemState(handler.listView, from, 0, LVIS_SELECTED);
    ListView_SetItemState(handler.listView, to, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void backToInput(ItemViewHandler& handler) {
    focusInputLine(*handler.controller->mainWindow);
}

LRESULT onKeyDown(ItemViewHandler& handler, HWND window, WPARAM key, LPARAM lParam) {
    ++activityCounter;
    handler.queryStart.onKeyDown(key);
    Controller& controller = *handler.controller;
    const int32_t focused = nextRow(handler, LVNI_FOCUSED);
    const int32_t count = ListView_GetItemCount(handler.listView);
    switch (key) {
    case VK_RETURN: controller.activateItem(focused); return keySwallowed;
    case VK_DELETE:
        if (listsTasks(handler.display)) closeTasks(handler, true);
        break;
    case VK_BACK:
        if (listsTasks(handler.display)) closeTasks(handler, false);
        break;
    case VK_DOWN:
        if (count > 0 && focused == count - 1) {
            moveSelection(handler, focused, 0);
            return keySwallowed;
        }
        break;
    case VK_UP:
        if (count > 0 && focused == 0) {
            moveSelection(handler, 0, count - 1);
            return keySwallowed;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (focused >= 0) {
            controller.copyItemToInput(focused);
            if (key == VK_LEFT) SendMessageW(controller.mainWindow->inputLine, EM_SETSEL, 0, 0);
        }
        break;
    case VK_F6:
    case VK_F7:
    case VK_F8:
    case VK_F9:
        if (focused >= 0) controller.runTool(focused, key, ToolSource::itemView);
        break;
    // While the IME composes here, its keys stay here; what it commits comes as characters.
    case VK_PROCESSKEY:
    case VK_ESCAPE:
    case VK_SHIFT:
    case VK_CONTROL:
    // The menu key keeps the focus here for when its popup closes.
    case VK_APPS: break;
    default: backToInput(handler); break;
    }
    return controller.forwardKey(window, WM_KEYDOWN, key, lParam, handler.previousProcedure);
}

LRESULT onKeyUp(ItemViewHandler& handler, HWND window, WPARAM key, LPARAM lParam) {
    if (key == VK_ESCAPE) {
        backToInput(handler);
        ListView_SetItemState(handler.listView, -1, 0, LVIS_SELECTED);
    }
    return handler.controller->forwardKey(window, WM_KEYUP, key, lParam, handler.previousProcedure);
}

LRESULT onChar(ItemViewHandler& handler, HWND window, WPARAM wParam, LPARAM lParam) {
    Controller& controller = *handler.controller;
    if (wParam != returnCharacter && wParam != lineFeedCharacter && wParam != escapeCharacter) {
        // The character starts a new query, handled by the input line's own rules.
        if (handler.queryStart.take()) controller.setInputText(L"");
        SendMessageW(controller.mainWindow->inputLine, WM_CHAR, wParam, lParam);
        // Typed keys have moved the focus already; the IME's text comes with it still here.
        if (!iswcntrl(static_cast<wint_t>(wParam))) backToInput(handler);
    }
    return controller.forwardKey(window, WM_CHAR, wParam, lParam, handler.previousProcedure);
}

LRESULT handleItemView(ItemViewHandler& handler, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return onKeyDown(handler, window, wParam, lParam);
    case WM_KEYUP: return onKeyUp(handler, window, wParam, lParam);
    case WM_CHAR: return onChar(handler, window, wParam, lParam);
    case WM_CTLCOLORSTATIC: return colourLoadingNote(window, reinterpret_cast<HDC>(wParam));
    case WM_SETFOCUS: handler.queryStart.onFocus(); [[fallthrough]];
    default: return handler.controller->forwardKey(window, message, wParam, lParam, handler.previousProcedure);
    }
}

} // namespace

const WNDPROC itemViewProcedure =
    subclassProcedure<theItemViewHandler, &ItemViewHandler::previousProcedure, handleItemView>;

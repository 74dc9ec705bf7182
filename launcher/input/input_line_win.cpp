// The input line: Enter launches, Esc unwinds, arrows move to the lists,
// digits and Shift+digits choose rows and candidates.
#include "input_handlers_win.h"

#include "controller_win.h"
#include "key_results_win.h"
#include "key_rules.h"
#include "launch_request.h"
#include "text_helpers.h"
#include "view_state_win.h"
#include "common/character_codes.h"
#include "common/controls_win.h"
#include "launcher/data/data_store.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <commctrl.h>

namespace {

void caretToEnd(HWND edit) {
    const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
}

void stepBookmark(InputEditHandler& handler, int32_t step) {
    DataStore& data = *handler.controller->data;
    data.bookmarkIndex += step;
    handler.controller->setInputText(data.bookmarkText());
    caretToEnd(handler.edit);
}

void onEscape(InputEditHandler& handler) {
    Controller& controller = *handler.controller;
    ViewState& view = *handler.viewState;
    const bool inputEmpty = SendMessageW(handler.edit, WM_GETTEXTLENGTH, 0, 0) == 0;
    // Whatever it undoes, Esc also calls off a request still being decided.
    view.folderRequests.forgetDecision();
    switch (escapeStep(inputEmpty, view.parentLevels, !view.shownFolder.empty())) {
    case EscapeStep::clearText: controller.setInputText(L""); break;
    case EscapeStep::resetParentLevels:
        view.parentLevels = 0;
        controller.refreshCandidates(view.shownFolder);
        break;
    case EscapeStep::leaveFolder: view.changeFolder(L""); break;
    case EscapeStep::dismiss: controller.dismiss(); break;
    }
}

LRESULT onKeyDown(InputEditHandler& handler, HWND window, WPARAM key, LPARAM lParam) {
    ++activityCounter;
    Controller& controller = *handler.controller;
    const HWND candidateList = controller.mainWindow->candidateList;
    switch (key) {
    case VK_DOWN:
        if (keyDown(VK_CONTROL)) stepBookmark(handler, 1);
        else controller.focusItemView();
        break;
    case VK_UP: {
        if (keyDown(VK_CONTROL)) {
            stepBookmark(handler, -1);
            return keySwallowed;
        }
        const LRESULT count = SendMessageW(candidateList, LB_GETCOUNT, 0, 0);
        if (count > 0) {
            SetFocus(candidateList);
            SendMessageW(candidateList, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
        }
        break;
    }
    case VK_ESCAPE: onEscape(handler); return consumed;
    case VK_TAB: controller.activateCandidate(0); break;
    default: break;
    }
    return controller.forwardKey(window, WM_KEYDOWN, key, lParam, handler.previousProcedure);
}

void onBackspace(InputEditHandler& handler) {
    DWORD selectionEnd = 0;
    SendMessageW(handler.edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
    if (selectionEnd != 0) return;
    if (SendMessageW(handler.edit, WM_GETTEXTLENGTH, 0, 0) != 0) handler.showParentInInput();
    else handler.controller->setInputText(handler.viewState->shownFolder);
}

// Ctrl+Space closes the listed tasks, or deletes the listed files.
void onCtrlSpace(InputEditHandler& handler) {
    // While the deletion question is open, what it counted stays listed.
    if (handler.viewState->askingToDelete()) return;
    Controller& controller = *handler.controller;
    TaskViewState& taskView = *controller.taskView;
    if (!listsTasks(controller.itemView->display)) {
        handler.viewState->deleteListedFiles();
        controller.setInputText(L"");
    } else if (SendMessageW(controller.mainWindow->itemView, LVM_GETITEMCOUNT, 0, 0) == 0) {
        startDelayedClose(taskView);
    } else {
        closeListedTasks(taskView);
        controller.setInputText(L"");
    }
}

LRESULT onChar(InputEditHandler& handler, HWND window, WPARAM wParam, LPARAM lParam) {
    Controller& controller = *handler.controller;
    const wchar_t character = static_cast<wchar_t>(wParam);
    switch (character) {
    case returnCharacter:
    case lineFeedCharacter: handler.submitInput(); return consumed;
    case backspaceCharacter: onBackspace(handler); break;
    case escapeCharacter:
    case tabCharacter: return consumed;
    case spaceCharacter:
        if (keyDown(VK_CONTROL)) {
            onCtrlSpace(handler);
            return keySwallowed;
        }
        break;
    default:
        // The Shift test comes first, by the key: Shift+7 types "'" on the Japanese layout and "&" on the US one.
        if (const int32_t candidate = shiftedCandidateIndex(static_cast<uint32_t>(controller.lastKeyDown), character);
            candidate >= 0 && keyDown(VK_SHIFT) && !keyDown(VK_CONTROL) && !keyDown(VK_MENU) &&
            controller.activateCandidate(candidate))
            return keySwallowed;
        if (isDigitCharacter(character) && controller.activateItem(digitRowIndex(character))) return keySwallowed;
        break;
    }
    return controller.forwardKey(window, WM_CHAR, wParam, lParam, handler.previousProcedure);
}

LRESULT handleInputLine(InputEditHandler& handler, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return onKeyDown(handler, window, wParam, lParam);
    case WM_CHAR: return onChar(handler, window, wParam, lParam);
    default: return handler.controller->forwardKey(window, message, wParam, lParam, handler.previousProcedure);
    }
}

} // namespace

void InputEditHandler::submitInput() {
    const bool withCtrl = keyDown(VK_CONTROL);
    LaunchRequest request;
    request.owner = controller;
    request.target = submitTarget(windowText(edit), viewState->shownFolder, withCtrl);
    request.withCtrl = withCtrl;
    controller->dispatchRequest(request);
}

void InputEditHandler::showParentInInput() {
    controller->setInputText(folderOf(windowText(edit)));
}

const WNDPROC inputLineProcedure =
    subclassProcedure<theInputEditHandler, &InputEditHandler::previousProcedure, handleInputLine>;

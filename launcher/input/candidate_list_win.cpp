// The candidate list: Enter launches, arrows wrap, Delete forgets an entry,
// typing goes back to the input line.
#include "input_handlers_win.h"

#include "controller_win.h"
#include "key_results_win.h"
#include "text_helpers.h"
#include "view_state_win.h"
#include "common/character_codes.h"
#include "common/controls_win.h"
#include "launcher/data/history_store_win.h"
#include "launcher/shell/main_window_record_win.h"

namespace {

int32_t selection(const CandidateListHandler& handler) {
    return static_cast<int32_t>(SendMessageW(handler.listBox, LB_GETCURSEL, 0, 0));
}

// The selected candidate, or null when nothing (or a row past the candidates) is selected.
const std::wstring* selectedCandidate(const CandidateListHandler& handler) {
    const int32_t index = selection(handler);
    const std::vector<std::wstring>& candidates = handler.controller->view->candidates;
    if (index < 0 || static_cast<size_t>(index) >= candidates.size()) return nullptr;
    return &candidates[static_cast<size_t>(index)];
}

void backToInput(const CandidateListHandler& handler) {
    focusInputLine(*handler.controller->mainWindow);
}

void deleteSelected(CandidateListHandler& handler) {
    const std::wstring* candidate = selectedCandidate(handler);
    if (!candidate) return;
    Controller& controller = *handler.controller;
    const std::wstring text = *candidate; // the refresh below replaces the candidates
    deleteHistoryEntry(*controller.data, text);
    controller.refreshCandidates(controller.view->shownFolder);
    controller.onInputChanged();
}

LRESULT onKeyDown(CandidateListHandler& handler, HWND window, WPARAM key, LPARAM lParam) {
    ++activityCounter;
    handler.queryStart.onKeyDown(key);
    Controller& controller = *handler.controller;
    const int32_t index = selection(handler);
    const int32_t count = static_cast<int32_t>(SendMessageW(handler.listBox, LB_GETCOUNT, 0, 0));
    switch (key) {
    case VK_RETURN: controller.activateCandidate(index); break;
    case VK_DOWN:
        if (count > 0 && index == count - 1) {
            SendMessageW(handler.listBox, LB_SETCURSEL, 0, 0);
            return keySwallowed;
        }
        break;
    case VK_UP:
        if (count > 0 && index == 0) {
            SendMessageW(handler.listBox, LB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
            return keySwallowed;
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (const std::wstring* candidate = selectedCandidate(handler)) controller.setInputText(*candidate);
        break;
    case VK_DELETE: deleteSelected(handler); break;
    case VK_F6:
    case VK_F7:
    case VK_F8:
    case VK_F9: controller.runTool(index, key, ToolSource::candidateList); break;
    default: break;
    }
    return controller.forwardKey(window, WM_KEYDOWN, key, lParam, handler.previousProcedure);
}

LRESULT onKeyUp(CandidateListHandler& handler, HWND window, WPARAM key, LPARAM lParam) {
    if (key == VK_ESCAPE) {
        SendMessageW(handler.listBox, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        backToInput(handler);
    }
    return handler.controller->forwardKey(window, WM_KEYUP, key, lParam, handler.previousProcedure);
}

LRESULT onChar(CandidateListHandler& handler, HWND window, WPARAM wParam, LPARAM lParam) {
    Controller& controller = *handler.controller;
    switch (wParam) {
    case backspaceCharacter:
        if (const std::wstring* candidate = selectedCandidate(handler)) {
            controller.setInputText(folderOf(*candidate));
            backToInput(handler);
        }
        break;
    case returnCharacter:
    case lineFeedCharacter: backToInput(handler); break;
    case escapeCharacter: return keySwallowed;
    default:
        // The character starts a new query, handled by the input line's own rules.
        if (handler.queryStart.take()) controller.setInputText(L"");
        SendMessageW(controller.mainWindow->inputLine, WM_CHAR, wParam, lParam);
        backToInput(handler);
        break;
    }
    return controller.forwardKey(window, WM_CHAR, wParam, lParam, handler.previousProcedure);
}

LRESULT handleCandidateList(CandidateListHandler& handler, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: return onKeyDown(handler, window, wParam, lParam);
    case WM_KEYUP: return onKeyUp(handler, window, wParam, lParam);
    case WM_CHAR: return onChar(handler, window, wParam, lParam);
    case WM_SETFOCUS: handler.queryStart.onFocus(); [[fallthrough]];
    default: return handler.controller->forwardKey(window, message, wParam, lParam, handler.previousProcedure);
    }
}

} // namespace

const WNDPROC candidateListProcedure =
    subclassProcedure<theCandidateListHandler, &CandidateListHandler::previousProcedure, handleCandidateList>;

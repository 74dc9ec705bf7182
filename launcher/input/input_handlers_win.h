#pragma once
// The three subclassed controls of the main window and their key handling.
#include "launcher/tasks/item_view_display_win.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

struct Controller;
struct ViewState;

struct InputEditHandler {
    Controller* controller = nullptr;
    ViewState* viewState = nullptr;
    WNDPROC previousProcedure = nullptr;
    HWND edit = nullptr;

    // Enter: launch the typed text, or the shown folder.
    void submitInput();
    // Backspace at the start: the text becomes its folder.
    void showParentInInput();
};

// A character typed in a list starts a new query and the ones after it
// follow it. The IME commits a burst of characters after one key-down, and
// input tools (the touch keyboard, the emoji panel, injected text) send one
// VK_PACKET key-down per character: neither starts a query per character.
struct QueryStart {
    bool pending = true;
    void onFocus() { pending = true; }
    void onKeyDown(WPARAM key) {
        if (key != VK_PACKET) pending = true;
    }
    bool take() { return std::exchange(pending, false); }
};

struct CandidateListHandler {
    Controller* controller = nullptr;
    HWND listBox = nullptr;
    WNDPROC previousProcedure = nullptr;
    QueryStart queryStart;
};

struct ItemViewHandler {
    Controller* controller = nullptr;
    HWND listView = nullptr;
    WNDPROC previousProcedure = nullptr;
    std::wstring text;
    QueryStart queryStart;
    // The rows shown and what they are drawn with, the image list among them.
    ItemViewDisplay display;
};

extern InputEditHandler* theInputEditHandler;
extern CandidateListHandler* theCandidateListHandler;
extern ItemViewHandler* theItemViewHandler;

extern const WNDPROC inputLineProcedure;
extern const WNDPROC candidateListProcedure;
extern const WNDPROC itemViewProcedure;

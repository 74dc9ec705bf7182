#pragma once
// The three subclassed controls of the main window and their key handling.
#include "launcher/tasks/item_icons_win.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

class ListedEntries;
struct Controller;
struct TaskWindow;
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

struct CandidateListHandler {
    Controller* controller = nullptr;
    HWND listBox = nullptr;
    WNDPROC previousProcedure = nullptr;
};

// The list the item view's rows come from. Keys act on this list, so that
// row N is always what they act on.
enum class ItemListing { tasks, folderEntries };

struct ItemViewHandler {
    Controller* controller = nullptr;
    HWND listView = nullptr;
    WNDPROC previousProcedure = nullptr;
    std::wstring text;
    ItemIcons icons;

    // The view owns no rows: it asks for each shown row's text and image.
    ItemListing listing = ItemListing::tasks;
    const std::vector<TaskWindow>* tasks = nullptr;
    const ListedEntries* entries = nullptr;
    // Images of the first rows, -1 until a row is first shown.
    std::vector<int> rowImages;
    // While the column is sized: the rows that the view's rows stand for.
    std::vector<size_t> measuredRows;
    // Widths of characters in the view's font, 0xFFFF until measured.
    std::vector<uint16_t> characterWidths;
    // The column width the view chose, by the widest estimated label.
    std::unordered_map<int, int> columnWidths;
};

inline bool listsTasks(const ItemViewHandler& handler) {
    return handler.listing == ItemListing::tasks;
}

extern InputEditHandler* theInputEditHandler;
extern CandidateListHandler* theCandidateListHandler;
extern ItemViewHandler* theItemViewHandler;

LRESULT CALLBACK inputLineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK candidateListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK itemViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

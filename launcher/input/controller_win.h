#pragma once
// Ties the controls of the main window to the input, task and folder logic.
// Its operations live in controller_win.cpp (the input change, dismissing),
// controller_keys_win.cpp (what the keys do) and controller_launch_win.cpp
// (browsing a folder or launching a target).
#include "clipboard_copy_win.h"

#include <windows.h>

#include <cstdint>
#include <string>

struct CandidateListHandler;
struct ConfigStore;
struct DataStore;
struct InputEditHandler;
struct ItemViewHandler;
struct LaunchRequest;
struct MainWindow;
struct TaskViewState;
struct ViewState;

// Where F6-F9 was pressed.
enum class ToolSource { candidateList, itemView };

struct Controller {
    CandidateListHandler* candidateList = nullptr;
    ItemViewHandler* itemView = nullptr;
    DataStore* data = nullptr;
    ConfigStore* config = nullptr;
    InputEditHandler* inputEdit = nullptr;
    MainWindow* mainWindow = nullptr;
    TaskViewState* taskView = nullptr;
    ViewState* view = nullptr;
    // The last key to go down in the three controls: the key of the character
    // that its translation brings next.
    WPARAM lastKeyDown = 0;
    ClipboardCopy clipboard;

    void onInputChanged();
    // Clears the input, returns to the tasks and hides the window.
    void dismiss();

    // F12 on any of the three controls, then the control's own procedure.
    LRESULT forwardKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC previousProcedure);
    bool activateItem(int32_t index);
    bool activateCandidate(int32_t index);
    void focusItemView();
    void copyItemToInput(int32_t index);
    void runTool(int32_t index, WPARAM key, ToolSource source);
    void refreshCandidates(const std::wstring& query);
    // A second after a filter left a single task, unless anything happened
    // since the activity count was the snapshot.
    void autoActivate(int32_t snapshot);
    void setInputText(const std::wstring& text);

    // Launching: browse a folder, or open the target and hide.
    void dispatchRequest(LaunchRequest& request);
    void openFolderView(LaunchRequest& request);
    // At start: the folder browsed at the last exit, listed and filtered by
    // the restored input; the tasks when there was none or it has gone.
    void restoreFolder(const std::wstring& folder);
    void executeRequest(LaunchRequest& request);
};

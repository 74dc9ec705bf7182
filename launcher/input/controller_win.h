#pragma once
// Ties the controls of the main window to the input, task and folder logic.
// Its operations live in controller_win.cpp (the input change, dismissing),
// controller_keys_win.cpp (what the keys do), controller_launch_win.cpp
// (browsing a folder or launching a target) and controller_folders_win.cpp
// (the workers that find and list folders, and their answers).
#include "clipboard_copy_win.h"
#include "launcher/resources/app_messages.h"

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
struct TypedQuery;
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
    // Minimising or hiding the window deactivates it from inside ShowWindow,
    // which dismisses again (under Wine): that nested dismissal has nothing
    // left to do, and would only clear the cleared input once more.
    bool dismissFree = true;
    // What a dismissal still has to do, each in a turn of its own (WM_DISMISSED).
    enum class DismissalStep { none, minimiseDue, hideDue, listingDue };
    DismissalStep dismissal = DismissalStep::none;

    void onInputChanged();
    // Clears the input, returns to the tasks and hides the window.
    void dismiss();
    // WM_DISMISSED: the minimise, the hide, then the window listing.
    void onDismissed();
    // The rest of a dismissal, once the window has hidden or before it shows.
    void finishDismissal();

    // F12 on any of the three controls, then the control's own procedure.
    LRESULT forwardKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam, WNDPROC previousProcedure);
    bool activateItem(int32_t index);
    bool activateCandidate(int32_t index);
    void focusItemView();
    void copyItemToInput(int32_t index);
    void runTool(int32_t index, WPARAM key, ToolSource source);
    void refreshCandidates(const std::wstring& query);
    void refreshCandidates(const TypedQuery& query);
    // A second after a filter left a single task, unless anything happened
    // since the activity count was the snapshot.
    void autoActivate(int32_t snapshot);
    void setInputText(const std::wstring& text);

    // Launching: browse a folder, or open the target and hide. Whether the
    // target is a folder is found on a worker (controller_folders_win.cpp),
    // whose answer carries on: the folder is shown at once, its entries when
    // they come.
    void dispatchRequest(LaunchRequest& request);
    void openFolderView(LaunchRequest& request);
    // At start: the folder browsed at the last exit, shown at once and
    // filtered by the input when its entries come; the tasks when there was
    // none or it has gone.
    void restoreFolder(const std::wstring& folder);
    // The workers behind them, and WM_FOLDER_LISTED: a decision or a
    // listing, taken when still wanted.
    void askWhereRequestGoes(const LaunchRequest& request);
    void askForListing(const std::wstring& folder, uint32_t request, bool restoredAtStart);
    void onFolderAnswer(WPARAM request, LPARAM answer);
    void executeRequest(LaunchRequest& request);
};

// The controller's record-wide operations: the input change and the dismissal.
#include "controller_win.h"

#include "view_state_win.h"
#include "common/matching.h"
#include "launcher/shell/main_window_record_win.h"
#include "common/controls_win.h"
#include "launcher/tasks/task_view_state_win.h"

#include <utility>

void Controller::onInputChanged() {
    // Compiled once for the candidates and the item view: with kanaMatch, a
    // short word gathers thousands of the dictionary's words.
    const TypedQuery typed =
        compileTypedQuery(lowerText(windowText(mainWindow->inputLine)), kanaMatching(*mainWindow));
    refreshCandidates(typed);
    if (!view->shownFolder.empty()) {
        view->filterFolderEntries(typed);
    } else if (const RefreshTurn turn(taskView->refreshFree); turn.taken) {
        refreshTaskList(*taskView, typed);
    }
}

void Controller::dismiss() {
    const RefreshTurn turn(dismissFree);
    if (!turn.taken) return;
    {
        // Clearing the input and leaving the folder would list the windows
        // twice over; the one listing of the empty text follows the hide.
        // Both still run the keystroke path, so the candidates and the item
        // view are filled for a window about to hide: the next show has no
        // refresh of its own and must find the lists of an empty input.
        const RefreshTurn heldTaskRefresh(taskView->refreshFree);
        SetWindowTextW(mainWindow->inputLine, L"");
        view->changeFolder(L"");
    }
    // SW_MINIMIZE would activate the next window and could take the keyboard
    // from the task just brought to the front.
    ShowWindow(mainWindow->window, SW_SHOWMINNOACTIVE);
    ShowWindow(mainWindow->window, SW_HIDE);
    mainWindow->inputFromList = false;
    // The window listing takes tens of milliseconds: the window is gone
    // before it starts, and a show finishes it first.
    if (!std::exchange(dismissalListingDue, true)) PostMessageW(mainWindow->window, WM_DISMISSED, 0, 0);
}

void Controller::finishDismissal() {
    if (!std::exchange(dismissalListingDue, false)) return;
    // The view it fills is emptied just after; what counts is the autoClose
    // windows it closes, before the closing is armed again.
    if (const RefreshTurn refresh(taskView->refreshFree); refresh.taken) refreshTaskList(*taskView, L"");
    taskView->autoCloseArmed = true;
    taskView->setTaskViewActive(false);
}

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
    mainWindow->inputFromList = false;
    // The minimise, the hide and the window listing each take tens of
    // milliseconds: each gets a turn of its own (onDismissed), so that the
    // thread answers in between.
    const DismissalStep due = dismissal;
    if (due == DismissalStep::none || due == DismissalStep::listingDue) dismissal = DismissalStep::minimiseDue;
    if (due == DismissalStep::none) PostMessageW(mainWindow->window, WM_DISMISSED, 0, 0);
}

void Controller::onDismissed() {
    const DismissalStep due = dismissal;
    if (due == DismissalStep::none) return;
    if (due == DismissalStep::listingDue) {
        finishDismissal();
        return;
    }
    {
        const RefreshTurn turn(dismissFree);
        // SW_MINIMIZE would activate the next window and could take the keyboard
        // from the task just brought to the front. A hidden window would show.
        if (due == DismissalStep::hideDue) ShowWindow(mainWindow->window, SW_HIDE);
        else if (IsWindowVisible(mainWindow->window)) ShowWindow(mainWindow->window, SW_SHOWMINNOACTIVE);
    }
    // A show in between has dropped the rest.
    if (dismissal != due) return;
    dismissal = due == DismissalStep::hideDue ? DismissalStep::listingDue : DismissalStep::hideDue;
    PostMessageW(mainWindow->window, WM_DISMISSED, 0, 0);
}

void Controller::finishDismissal() {
    // Before a show, a minimise or hide still due is dropped: the show comes instead.
    if (std::exchange(dismissal, DismissalStep::none) == DismissalStep::none) return;
    // The view it fills is emptied just after; what counts is the autoClose
    // windows it closes, before the closing is armed again.
    if (const RefreshTurn refresh(taskView->refreshFree); refresh.taken) refreshTaskList(*taskView, L"");
    taskView->autoCloseArmed = true;
    taskView->setTaskViewActive(false);
}

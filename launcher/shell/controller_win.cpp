#include "controller_win.h"

#include "main_window_win.h"
#include "common/controls_win.h"
#include "launcher/input/matching.h"
#include "launcher/input/view_state_win.h"
#include "launcher/tasks/task_view_state_win.h"

void Controller::onInputChanged() {
    const std::wstring lowered = lowerText(windowText(mainWindow->inputLine));
    refreshCandidates(lowered);
    if (!view->shownFolder.empty()) {
        view->filterFolderEntries(lowered);
    } else if (taskView->refreshFree) {
        taskView->refreshFree = false;
        refreshTaskList(*taskView, lowered);
        taskView->refreshFree = true;
    }
}

void Controller::dismiss() {
    SetWindowTextW(mainWindow->inputLine, L"");
    view->changeFolder(L"");
    taskView->autoCloseArmed = true;
    taskView->setTaskViewActive(false);
    ShowWindow(mainWindow->window, SW_MINIMIZE);
    ShowWindow(mainWindow->window, SW_HIDE);
    mainWindow->inputFromList = false;
}

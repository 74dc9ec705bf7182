#include "view_state_win.h"

#include "launcher/shell/controller_win.h"
#include "launcher/shell/main_window_win.h"
#include "launcher/tasks/task_view_state_win.h"

void ViewState::changeFolder(const std::wstring& path) {
    setViewColours(*mainWindow, path);
    shownFolder = path;
    TaskViewState& taskView = *controller->taskView;
    if (!path.empty()) {
        taskView.setTaskViewActive(false);
    } else {
        folderEntries.clear();
        taskView.taskViewActive = true;
        ++activityCounter;
        SetFocus(mainWindow->inputLine);
    }
    parentLevels = 0;
    controller->onInputChanged();
}

#include "task_view_state_win.h"

#include "launcher/input/input_handlers_win.h"

#include <commctrl.h>

void TaskViewState::setTaskViewActive(bool on) {
    taskViewActive = on;
    if (on) return;
    allTasks.clear();
    shownTasks.clear();
    if (itemView) ListView_DeleteAllItems(itemView->listView);
    refreshFree = true;
}

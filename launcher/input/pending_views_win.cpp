#include "pending_views_win.h"

#include "input_handlers_win.h"
#include "text_helpers.h"
#include "launcher/tasks/task_view_state_win.h"

#include <commctrl.h>

std::vector<ItemEntry> listFolder(const std::wstring& folder) {
    return {};
}

void fillItemView(ItemViewHandler& itemView, const std::vector<ItemEntry>& entries) {
    ListView_DeleteAllItems(itemView.listView);
    for (size_t i = 0; i < entries.size(); ++i) {
        std::wstring label = numberedLabel(entries[i].name, static_cast<int32_t>(i));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = label.data();
        ListView_InsertItem(itemView.listView, &item);
    }
}

void refreshTaskList(TaskViewState& taskView, const std::wstring& loweredQuery) {
}

void closeListedTasks(TaskViewState& taskView) {
    for (const TaskWindow& task : taskView.shownTasks)
        PostMessageW(static_cast<HWND>(task.window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

namespace {

DWORD WINAPI delayedCloseThread(void* parameter) {
    Sleep(1000);
    closeListedTasks(*static_cast<TaskViewState*>(parameter));
    return 1;
}

} // namespace

void startDelayedClose(TaskViewState& taskView) {
    const HANDLE thread = CreateThread(nullptr, 0, delayedCloseThread, &taskView, 0, nullptr);
    if (thread) CloseHandle(thread);
}

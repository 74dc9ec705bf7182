#pragma once
// Entry points of the task list and the folder listing. They keep the input
// handling whole now; the task and folder code replaces their bodies.
#include "launcher/tasks/task_window.h"

#include <string>
#include <vector>

struct ItemViewHandler;
struct TaskViewState;

// The folder's entries, folders first.
std::vector<ItemEntry> listFolder(const std::wstring& folder);
// Shows the entries as the item view's rows, row N for entry N.
void fillItemView(ItemViewHandler& itemView, const std::vector<ItemEntry>& entries);
// Enumerates the windows and lists those matching the lowered query.
void refreshTaskList(TaskViewState& taskView, const std::wstring& loweredQuery);
// Asks every listed window to close, without waiting.
void closeListedTasks(TaskViewState& taskView);
// Ctrl+Space with nothing listed yet: close what is listed a second later.
void startDelayedClose(TaskViewState& taskView);

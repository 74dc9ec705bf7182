#include "task_rules.h"

#include "common/matching.h"

#include "common/text_lines.h"

namespace {

const std::wstring ownTitlePrefix = L"Halvorunde V";
// The launcher's own window, also while a second start has replaced its title.
const std::wstring ownClassName = L"HALVORUNDE";

} // namespace

bool isExcludedByFacts(const WindowFacts& facts) {
    if (!facts.visible) return true;
    if (facts.textLength == 0) return true;
    if (facts.text.empty()) return true;
    if (facts.text.compare(0, ownTitlePrefix.size(), ownTitlePrefix) == 0) return true;
    if (facts.childStyle) return true;
    if (facts.cloakQueried && facts.cloaked != 0) return true;
    if (facts.classLength == 0) return true;
    return facts.className == L"Progman" || facts.className == ownClassName;
}

bool matchesAnyEntry(const std::wstring& title, const std::vector<std::wstring>& entries) {
    for (const std::wstring& entry : entries) {
        if (matchesListEntry(title, compileQuery(entry))) return true;
    }
    return false;
}

TaskFilterResult filterTasks(const std::vector<TaskWindow>& allTasks, const std::wstring& query,
                             const TaskFilterSettings& settings) {
    return filterTasks(allTasks, compileTypedQuery(query, settings.kana), settings);
}

TaskFilterResult filterTasks(const std::vector<TaskWindow>& allTasks, const TypedQuery& typed,
                             const TaskFilterSettings& settings) {
    TaskFilterResult result;
    for (const TaskWindow& task : allTasks) {
        if (settings.autoCloseArmed && matchesAnyEntry(task.title, settings.autoCloseList)) {
            result.windowsToClose.push_back(task.window);
            continue;
        }
        if (matchesAnyEntry(task.title, settings.notShowTaskList)) continue;
        if (matchesTyped(task.lowerTitle, task.foldedTitle, typed)) result.shownTasks.push_back(task);
        ++result.counted;
    }
    // Narrowing several windows down to one hands that one over; a desktop
    // with a single window does not.
    result.startAutoActivation = settings.taskZeroShow && result.shownTasks.size() == 1 && result.counted != 1;
    return result;
}

TaskWindow makeTaskWindow(std::wstring title, std::wstring className, void* window) {
    TaskWindow task;
    task.lowerTitle = lowerText(title);
    task.foldedTitle = foldWideKana(task.lowerTitle);
    task.title = std::move(title);
    task.className = std::move(className);
    task.window = window;
    return task;
}

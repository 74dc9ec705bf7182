#include "launcher/tasks/task_rules.h"
#include "halvo_version.h"

#include <gtest/gtest.h>

namespace {

WindowFacts taskFacts(const std::wstring& title = L"Notes", const std::wstring& className = L"Notepad") {
    WindowFacts facts;
    facts.visible = true;
    facts.text = title;
    facts.textLength = static_cast<int>(title.size());
    facts.className = className;
    facts.classLength = static_cast<int>(className.size());
    return facts;
}

void* handle(intptr_t value) {
    return reinterpret_cast<void*>(value);
}

std::vector<TaskWindow> tasks(std::initializer_list<const wchar_t*> titles) {
    std::vector<TaskWindow> list;
    intptr_t next = 1;
    for (const wchar_t* title : titles) list.push_back(makeTaskWindow(title, L"C", handle(next++)));
    return list;
}

std::vector<std::wstring> titlesOf(const std::vector<TaskWindow>& list) {
    std::vector<std::wstring> titles;
    for (const TaskWindow& task : list) titles.push_back(task.title);
    return titles;
}

} // namespace

TEST(TaskTest, ExcludesByTheEightTests) {
    EXPECT_FALSE(isExcludedByFacts(taskFacts()));
    WindowFacts hidden = taskFacts();
    hidden.visible = false;
    EXPECT_TRUE(isExcludedByFacts(hidden));
    EXPECT_TRUE(isExcludedByFacts(taskFacts(L"")));
    WindowFacts unread = taskFacts();
    unread.textLength = 0;
    EXPECT_TRUE(isExcludedByFacts(unread));

    EXPECT_TRUE(isExcludedByFacts(taskFacts(L"Halvorunde Ver" HALVO_VERSION_TEXT " 1か月")));
    EXPECT_TRUE(isExcludedByFacts(taskFacts(L"Halvorunde V")));
    EXPECT_FALSE(isExcludedByFacts(taskFacts(L"Halvorunde v")));
    EXPECT_FALSE(isExcludedByFacts(taskFacts(L"Halvorunde")));

    WindowFacts child = taskFacts();
    child.childStyle = true;
    EXPECT_TRUE(isExcludedByFacts(child));

    EXPECT_TRUE(isExcludedByFacts(taskFacts(L"Program Manager", L"Progman")));
    EXPECT_FALSE(isExcludedByFacts(taskFacts(L"Program Manager", L"progman")));
    EXPECT_TRUE(isExcludedByFacts(taskFacts(L"replaced title", L"HALVORUNDE")));
    WindowFacts noClass = taskFacts(L"Notes", L"");
    EXPECT_TRUE(isExcludedByFacts(noClass));
}

TEST(TaskTest, OnlyAReadCloakedStateExcludes) {
    WindowFacts facts = taskFacts();
    facts.cloakQueried = false; // the attribute is unsupported, as on Wine or Windows 7
    facts.cloaked = 1;
    EXPECT_FALSE(isExcludedByFacts(facts));
    facts.cloakQueried = true;
    EXPECT_TRUE(isExcludedByFacts(facts));
    facts.cloaked = 0;
    EXPECT_FALSE(isExcludedByFacts(facts));
}

TEST(TaskTest, FilterKeepsOrderAndMatchesTheQuery) {
    const auto all = tasks({L"Notes - A", L"Mail", L"NOTES - B", L"Calc"});
    TaskFilterSettings settings;
    EXPECT_EQ(titlesOf(filterTasks(all, L"", settings).shownTasks), titlesOf(all));
    const TaskFilterResult narrowed = filterTasks(all, L"notes", settings);
    EXPECT_EQ(titlesOf(narrowed.shownTasks), (std::vector<std::wstring>{L"Notes - A", L"NOTES - B"}));
    EXPECT_EQ(narrowed.counted, 4);
    EXPECT_EQ(titlesOf(filterTasks(all, L"notes ^b", settings).shownTasks), std::vector<std::wstring>{L"Notes - A"});
    EXPECT_TRUE(narrowed.windowsToClose.empty());
}

TEST(TaskTest, AutoCloseOnlyOnceArmedAndNotShowTaskOnlyHides) {
    const auto all = tasks({L"Ad popup", L"Mail", L"Chat window", L"Notes"});
    TaskFilterSettings settings;
    settings.autoCloseList = {L"popup"};
    settings.notShowTaskList = {L"chat", L"^o"}; // "^o" hides Mail

    TaskFilterResult before = filterTasks(all, L"", settings);
    EXPECT_EQ(titlesOf(before.shownTasks), (std::vector<std::wstring>{L"Ad popup", L"Notes"}));
    EXPECT_TRUE(before.windowsToClose.empty());
    EXPECT_EQ(before.counted, 2);

    settings.autoCloseArmed = true;
    TaskFilterResult armed = filterTasks(all, L"", settings);
    EXPECT_EQ(titlesOf(armed.shownTasks), std::vector<std::wstring>{L"Notes"});
    EXPECT_EQ(armed.windowsToClose, std::vector<void*>{all[0].window});
    EXPECT_EQ(armed.counted, 1);

    // kanaMatch widens the query, never the two lists.
    settings.kana.on = true;
    const auto kana = tasks({L"ﾒﾓ帳", L"メモ - popup", L"Chat", L"チャット"});
    settings.autoCloseList = {L"ﾒﾓ"};
    settings.notShowTaskList = {L"ﾁｬｯﾄ"};
    const TaskFilterResult widened = filterTasks(kana, L"memo", settings);
    EXPECT_EQ(titlesOf(widened.shownTasks), std::vector<std::wstring>{L"メモ - popup"});
    EXPECT_EQ(widened.windowsToClose, std::vector<void*>{kana[0].window});
    EXPECT_EQ(titlesOf(filterTasks(kana, L"chatto", settings).shownTasks), std::vector<std::wstring>{L"チャット"});
}

TEST(TaskTest, BlankSettingEntriesMatchNoWindow) {
    const auto all = tasks({L"Mail", L"Notes"});
    TaskFilterSettings settings;
    settings.autoCloseArmed = true;
    settings.autoCloseList = {L" ", L"  "};
    settings.notShowTaskList = {L" "};
    const TaskFilterResult result = filterTasks(all, L"", settings);
    EXPECT_TRUE(result.windowsToClose.empty());
    EXPECT_EQ(result.shownTasks.size(), 2u);
}

TEST(TaskTest, AutoActivationOnlyWhenNarrowedToOne) {
    const auto all = tasks({L"Alpha", L"Beta", L"Gamma"});
    TaskFilterSettings settings;
    settings.taskZeroShow = true;
    EXPECT_TRUE(filterTasks(all, L"bet", settings).startAutoActivation);
    EXPECT_FALSE(filterTasks(all, L"a", settings).startAutoActivation);
    EXPECT_FALSE(filterTasks(all, L"zzz", settings).startAutoActivation);
    EXPECT_FALSE(filterTasks(tasks({L"Alpha"}), L"", settings).startAutoActivation);
    settings.taskZeroShow = false;
    EXPECT_FALSE(filterTasks(all, L"bet", settings).startAutoActivation);
    // A hidden window does not count: two windows of which one is hidden is a lone window.
    settings.taskZeroShow = true;
    settings.notShowTaskList = {L"beta", L"gamma"};
    EXPECT_FALSE(filterTasks(all, L"", settings).startAutoActivation);
}

TEST(TaskTest, TaskWindowsKeepTheirTitleLowered) {
    const auto shown = tasks({L"Notes ÄB"});
    EXPECT_EQ(shown[0].lowerTitle, L"notes Äb");
}

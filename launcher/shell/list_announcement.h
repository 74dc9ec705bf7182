#pragma once
// What the launcher says once typing pauses: how many rows each list holds
// and its first row, as a sighted user takes them in at a glance.
#include <cstddef>
#include <string>

struct ListGlance {
    size_t candidateCount = 0;
    std::wstring firstCandidate;
    size_t itemCount = 0;
    std::wstring firstItem;
    // The folder the item view lists; empty while it lists the tasks.
    std::wstring folder;
    // The folder is new to the listener: its name comes first.
    bool folderEntered = false;
};

// 「候補 5件、1 見積書_2026.xlsx。タスク 3件、1 メモ帳」, a folder just entered
// first as 「フォルダー 資料、12件、1 …」, and 「該当なし」 when both lists are empty.
std::wstring announcementOf(const ListGlance& lists);

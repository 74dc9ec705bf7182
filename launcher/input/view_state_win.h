#pragma once
// What the main window currently shows: the folder or the tasks, and the candidates.
#include "launcher/tasks/task_window.h"

#include <cstdint>
#include <string>
#include <vector>

struct CandidateListHandler;
struct Controller;
struct ItemViewHandler;
struct MainWindow;

struct ViewState {
    int32_t parentLevels = 0;
    bool idle = true;
    std::vector<ItemEntry> allFolderEntries;
    std::vector<ItemEntry> folderEntries;
    std::vector<std::wstring> candidates;
    std::wstring shownFolder;
    std::wstring previousFolder;
    CandidateListHandler* candidateList = nullptr;
    ItemViewHandler* itemView = nullptr;
    MainWindow* mainWindow = nullptr;
    Controller* controller = nullptr;

    // Shows the folder's entries, or the tasks when the path is empty.
    void changeFolder(const std::wstring& path);
};

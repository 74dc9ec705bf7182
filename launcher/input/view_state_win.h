#pragma once
// What the main window currently shows: the folder or the tasks, and the candidates.
#include "launcher/folders/folder_entries.h"
#include "launcher/tasks/task_window.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct CandidateListHandler;
struct Controller;
struct ItemViewHandler;
struct MainWindow;

struct ViewState {
    int32_t parentLevels = 0;
    bool idle = true;
    FolderListing allFolderEntries;
    ListedEntries folderEntries{allFolderEntries};
    std::vector<std::wstring> candidates;
    std::wstring shownFolder;
    std::wstring previousFolder;
    CandidateListHandler* candidateList = nullptr;
    ItemViewHandler* itemView = nullptr;
    MainWindow* mainWindow = nullptr;
    Controller* controller = nullptr;

    // Shows the folder's entries, or the tasks when the path is empty.
    void changeFolder(const std::wstring& path);
    // Fills the candidate list, shortened by the F12 levels and numbered.
    void showCandidates(const std::vector<std::wstring>& list);
    // Keeps the folder entries whose names match the lowered query.
    void filterFolderEntries(const std::wstring& loweredQuery);
    // Ctrl+Space in the folder view: confirm, delete the listed files, list again.
    void deleteListedFiles();
    // The deletion question is open (and idle cleared for its time).
    bool askingToDelete() const;
};

// Answers the deletion question with IDYES or IDNO; tests answer through this
// seam, and an empty function asks the user again.
using DeletionQuestion = std::function<int(const std::wstring& question)>;
void replaceDeletionQuestion(DeletionQuestion question);

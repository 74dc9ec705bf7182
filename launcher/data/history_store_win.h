#pragma once
// The history store over the real "history" folder beside the executable.
#include "history_store.h"

// The folder beside the executable, created on demand; its files are written by the writer.
HistoryFolder historyFolderBesideExe(FileWriter& writer);

void loadHistory(DataStore& data);
void recordLaunch(DataStore& data, const std::wstring& text);
void deleteHistoryEntry(DataStore& data, const std::wstring& text);
void saveHistoryLists(DataStore& data);
void reloadHistory(DataStore& data, int months);

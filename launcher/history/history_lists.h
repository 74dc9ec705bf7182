#pragma once
// List rules of the history and the month arithmetic of its periods.
#include "history_list.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

// Puts the text first. True only when it was not in the list before.
inline bool moveToFront(HistoryList& list, std::wstring_view text) { return list.moveToFront(text); }

// Keeps the first occurrence of each text, in order.
inline void dropDuplicates(HistoryList& list) { list.dropDuplicates(); }

// Removes the first entry equal to the text; false when there is none.
inline bool removeFirst(HistoryList& list, std::wstring_view text) { return list.removeFirst(text); }

// Whether a name in the history folder is a temporary file of an interrupted
// whole-file write ("202612.txt.4711.tmp", see writeFileAtomically): never data.
bool isInterruptedWrite(std::wstring_view name);

// strftime into 10 characters at most; "err" when the result does not fit.
std::wstring formatTime(const char* format, const std::tm& time);
// The same for the current local time.
std::wstring formatLocalTime(const char* format);

// 202612 for "202612"; nothing for text that is no month (such as "err").
std::optional<int> monthNumber(const std::wstring& text);

// The month files of a period, newest first: the current month and the given
// number before it (202701, 202612, ...). A negative count gives none.
std::vector<std::wstring> periodFileNames(int currentMonth, int months);

struct FolderEntry {
    std::wstring name;
    bool isFolder = false;
};

// A month file's name: six digits and ".txt" ("202612.txt").
bool isMonthFileName(std::wstring_view name);

// The files of the history folder that make up "all": every file but
// "history.txt", the month files newest first, then the others in the order
// NTFS lists names (case folded to upper case), whatever order the file
// system returned them in.
std::vector<std::wstring> allPeriodFileNames(std::vector<FolderEntry> entries);
bool precedesInFolderOrder(const std::wstring& a, const std::wstring& b);

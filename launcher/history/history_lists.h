#pragma once
// List rules of the history and the month arithmetic of its periods.
#include <ctime>
#include <optional>
#include <string>
#include <vector>

using TextList = std::vector<std::wstring>;

// Puts the text first. True only when it was not in the list before.
bool moveToFront(TextList& list, const std::wstring& text);

// Keeps the first occurrence of each text, in order.
void dropDuplicates(TextList& list);

// Removes the first entry equal to the text; false when there is none.
bool removeFirst(TextList& list, const std::wstring& text);

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

// The files of the history folder that make up "all": every file but
// "history.txt", in the order NTFS lists names (case folded to upper case),
// whatever order the file system returned them in.
std::vector<std::wstring> allPeriodFileNames(std::vector<FolderEntry> entries);
bool precedesInFolderOrder(const std::wstring& a, const std::wstring& b);

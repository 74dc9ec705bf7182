#pragma once
// Whether the programs can keep their files where they were unpacked: not in
// Program Files, on a read-only medium or in a folder of another user.
#include <windows.h>

#include <string>
#include <vector>

// A new file can be made in the folder and every one of the files that exists
// can be opened for writing. A file another program holds, or a read-only one
// (said by name when it refuses a write), counts as writable. It waits for
// the disk: call it on a worker.
bool folderWritable(const std::wstring& folder, const std::vector<std::wstring>& files);

// The one message a start gives about it, naming the program's folder.
void tellFolderNotWritable(HWND owner, const std::wstring& programFolder);

constexpr wchar_t folderNotWritableCaption[] = L"保存できないフォルダー";

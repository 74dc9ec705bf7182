#pragma once
// The writer's answers as messages to a window, and the message box that says
// a file was refused.
#include "file_writer.h"

#include <windows.h>

#include <cstdint>
#include <string>

struct WriteOutcome {
    std::wstring path;
    WriteResult result = WriteResult::written;
};

// Posts each state's first outcome to the window as message (wParam: request,
// lParam: for takeAnswer<WriteOutcome>); refusalsOnly posts only refusals.
WriteAnswer postWriteOutcomes(HWND window, UINT message, uint32_t request, bool refusalsOnly);

// Names the file that could not be saved and says what the user can do;
// ownerless, so that a hidden or closing window does not hide it.
void tellSaveRefused(const std::wstring& path, const wchar_t* advice);

constexpr wchar_t saveFailedCaption[] = L"保存に失敗";

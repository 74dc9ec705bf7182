#include "file_writer_win.h"

#include "posted_answer_win.h"

WriteAnswer postWriteOutcomes(HWND window, UINT message, uint32_t request, bool refusalsOnly) {
    return [window, message, request, refusalsOnly](const std::wstring& path, WriteResult result) {
        if (refusalsOnly && result != WriteResult::refused) return;
        postAnswer(window, message, request, WriteOutcome{path, result});
    };
}

void tellSaveRefused(const std::wstring& path, const wchar_t* advice) {
    const std::wstring name = path.substr(path.find_last_of(L'\\') + 1);
    const std::wstring text = name + L"を保存できませんでした。\n" + path + L"\n\n" + advice;
    MessageBoxW(nullptr, text.c_str(), saveFailedCaption, MB_OK | MB_ICONWARNING);
}

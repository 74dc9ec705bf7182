#include "dictionary_load_win.h"

#include "common/text_files_win.h"

#include <utility>

namespace {

struct DictionaryAnswer {
    HWND mainWindow = nullptr;
    std::wstring path;
    uint32_t request = 0;
    ReadingDictionary dictionary;
};

DWORD WINAPI dictionaryThread(LPVOID parameter) {
    std::unique_ptr<DictionaryAnswer> answer(static_cast<DictionaryAnswer*>(parameter));
    try {
        std::string bytes;
        // A missing or unreadable file answers with an empty dictionary.
        if (readFileBytes(answer->path, bytes)) answer->dictionary = readReadingDictionary(std::move(bytes));
    } catch (...) {
        answer->dictionary = {};
    }
    // A window already closed takes no message: the answer is freed here.
    const HWND window = answer->mainWindow;
    if (PostMessageW(window, WM_DICTIONARY_LOADED, 0, reinterpret_cast<LPARAM>(answer.get()))) answer.release();
    return 0;
}

} // namespace

void requestDictionary(DictionaryLoad& load, HWND mainWindow, const std::wstring& path) {
    if (path == load.path) return;
    load.path = path;
    load.dictionary.reset();
    ++load.request;
    if (path.empty()) return;
    auto answer = std::make_unique<DictionaryAnswer>();
    answer->mainWindow = mainWindow;
    answer->path = path;
    answer->request = load.request;
    const HANDLE thread = CreateThread(nullptr, 0, dictionaryThread, answer.get(), 0, nullptr);
    if (!thread) return;
    answer.release();
    CloseHandle(thread);
}

bool adoptDictionary(DictionaryLoad& load, LPARAM answer) {
    std::unique_ptr<DictionaryAnswer> taken(reinterpret_cast<DictionaryAnswer*>(answer));
    if (!taken || taken->request != load.request) return false;
    if (taken->dictionary.empty()) {
        load.path.clear(); // the next reload reads it again, as the user may have put it there since
        return false;
    }
    load.dictionary = std::make_shared<const ReadingDictionary>(std::move(taken->dictionary));
    return true;
}

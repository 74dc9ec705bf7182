#pragma once
// The reading dictionary kanaDictionary names, read on a worker thread. The
// worker only posts WM_DICTIONARY_LOADED to the main window; the
// user-interface thread adopts what it carries.
#include "common/reading_dictionary.h"
#include "launcher/resources/app_messages.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>


struct DictionaryLoad {
    // Replaced on the user-interface thread between messages, never while a
    // query compiled with it is still in use.
    std::shared_ptr<const ReadingDictionary> dictionary;
    std::wstring path;     // the file asked for last, empty for none
    uint32_t request = 0;  // the request whose answer is awaited
};

// Reads path on a worker unless it is the file asked for last; another path
// drops the dictionary held until its answer comes, an empty one for good.
void requestDictionary(DictionaryLoad& load, HWND mainWindow, const std::wstring& path);
// Takes over the answer of a WM_DICTIONARY_LOADED; false, and freed, when it
// answers an earlier request or holds no reading (then the next request of
// the same path reads it again).
bool adoptDictionary(DictionaryLoad& load, LPARAM answer);

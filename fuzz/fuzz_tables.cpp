// Table and line-list files: rows never hold empty fields or TABs, bookmarks stay in range.
#include "launcher/data/data_store.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TextLines lines = linesFromBytes(bytes);
    for (const TableRow& row : tableFromLines(lines)) {
        for (const std::wstring& field : row) {
            if (field.empty() || field.find(L'\t') != std::wstring::npos) std::abort();
        }
    }
    DataStore store;
    store.bookmarkLines = lines;
    store.bookmarkIndex = size > 0 ? static_cast<int8_t>(data[0]) * 1000 : -1;
    const std::wstring text = store.bookmarkText();
    if (!lines.empty()) {
        if (store.bookmarkIndex < 0 || static_cast<size_t>(store.bookmarkIndex) >= lines.size()) std::abort();
        if (text != lines[static_cast<size_t>(store.bookmarkIndex)] + L" ") std::abort();
    } else if (!text.empty()) {
        std::abort();
    }
    return 0;
}

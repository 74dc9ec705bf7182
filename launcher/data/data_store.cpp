#include "data_store.h"

std::wstring DataStore::bookmarkText() {
    if (bookmarkLines.empty()) return {};
    const auto last = static_cast<int32_t>(bookmarkLines.size() - 1);
    if (bookmarkIndex > last) bookmarkIndex = last;
    if (bookmarkIndex < 0) bookmarkIndex = 0;
    return bookmarkLines[static_cast<size_t>(bookmarkIndex)] + L" ";
}

Table tableFromLines(const TextLines& lines) {
    Table rows;
    for (const std::wstring& line : lines) {
        if (!line.empty()) rows.push_back(splitFields(line, L'\t'));
    }
    return rows;
}

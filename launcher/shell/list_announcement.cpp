#include "list_announcement.h"

#include <string_view>

namespace {

// A text that is one path, nothing after it: a drive or share path with no
// second path in it. A command with arguments is said whole.
bool isOnePath(std::wstring_view text) {
    const bool drive = text.size() > 2 && text[1] == L':' && text[2] == L'\\';
    const bool share = text.substr(0, 2) == L"\\\\";
    return (drive || share) && text.find(L":\\", 2) == std::wstring_view::npos &&
           text.find(L'"') == std::wstring_view::npos;
}

// The last part of a path, which is what tells candidates apart; any other
// text stays whole.
std::wstring_view lastPart(std::wstring_view text) {
    if (!isOnePath(text)) return text;
    std::wstring_view trimmed = text;
    if (trimmed.size() > 1 && trimmed.back() == L'\\') trimmed.remove_suffix(1);
    const size_t separator = trimmed.find_last_of(L'\\');
    if (separator == std::wstring_view::npos || separator + 1 == trimmed.size()) return text;
    return trimmed.substr(separator + 1);
}

// 「N件」, and 「、1 first」 when there is a row: the row's number is its key.
std::wstring countAndFirst(size_t count, std::wstring_view first) {
    std::wstring text = std::to_wstring(count) + L"件";
    if (count > 0) text.append(L"、1 ").append(first);
    return text;
}

void addPart(std::wstring& said, const std::wstring& part) {
    if (!said.empty()) said += L"。";
    said += part;
}

} // namespace

std::wstring announcementOf(const ListGlance& lists) {
    std::wstring said;
    if (lists.folderEntered)
        addPart(said, L"フォルダー " + std::wstring(lastPart(lists.folder)) + L"、" +
                          countAndFirst(lists.itemCount, lists.firstItem));
    if (lists.candidateCount > 0)
        addPart(said, L"候補 " + countAndFirst(lists.candidateCount, lastPart(lists.firstCandidate)));
    if (lists.itemCount > 0 && !lists.folderEntered)
        addPart(said, (lists.folder.empty() ? L"タスク " : L"フォルダーの内容 ") +
                          countAndFirst(lists.itemCount, lists.firstItem));
    return said.empty() ? L"該当なし" : said;
}

#include "profile_reader.h"

#include "numbers.h"

namespace {

wchar_t foldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c; }

std::wstring_view withoutByteOrderMark(std::wstring_view line) {
    if (!line.empty() && line.front() == 0xFEFF) line.remove_prefix(1);
    return line;
}

// The name inside "[...]", or nothing when the line is no section header.
bool sectionName(std::wstring_view line, std::wstring_view& name) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != L'[') return false;
    const size_t close = line.find(L']');
    name = trimBlanks(line.substr(1, close == std::wstring_view::npos ? std::wstring_view::npos : close - 1));
    return true;
}

} // namespace

std::wstring_view trimBlanks(std::wstring_view text) {
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t' || text.back() == L'\r')) text.remove_suffix(1);
    return text;
}

bool equalsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

int findProfileSection(const TextLines& lines, std::wstring_view section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        std::wstring_view name;
        const std::wstring_view line = i == 0 ? withoutByteOrderMark(lines[i]) : std::wstring_view(lines[i]);
        if (sectionName(line, name) && equalsIgnoringAsciiCase(name, section)) return static_cast<int>(i);
    }
    return -1;
}

long profileInt(const TextLines& lines, std::wstring_view section, std::wstring_view key, long fallback) {
    const int header = findProfileSection(lines, section);
    if (header < 0) return fallback;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines.size(); ++i) {
        std::wstring_view ignored;
        if (sectionName(lines[i], ignored)) break;
        const std::wstring_view line = trimBlanks(lines[i]);
        if (line.empty() || line.front() == L';') continue;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos) continue;
        if (!equalsIgnoringAsciiCase(trimBlanks(line.substr(0, equals)), key)) continue;
        return parseLeadingInt(trimBlanks(line.substr(equals + 1))).value_or(fallback);
    }
    return fallback;
}

#include "history_lists.h"

#include "common/numbers.h"
#include "common/text_lines.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <string_view>

bool isInterruptedWrite(std::wstring_view name) {
    // The writer names its file after the target, the process id and ".tmp".
    constexpr std::wstring_view target = L".txt.", tail = L".tmp";
    if (name.size() <= target.size() + tail.size() || name.substr(name.size() - tail.size()) != tail) return false;
    name.remove_suffix(tail.size());
    const size_t digits = name.size() - 1 - name.find_last_not_of(L"0123456789");
    if (digits == 0 || digits > 10) return false;
    name.remove_suffix(digits);
    return name.size() > target.size() && name.substr(name.size() - target.size()) == target;
}

std::wstring formatTime(const char* format, const std::tm& time) {
    char buffer[11] = {};
    const size_t length = std::strftime(buffer, sizeof buffer, format, &time);
    if (length == 0 && format[0] != '\0') return L"err";
    return wideFromUtf8(std::string_view(buffer, length));
}

std::wstring formatLocalTime(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &now) != 0) return L"err";
#else
    if (!localtime_r(&now, &local)) return L"err";
#endif
    return formatTime(format, local);
}

std::optional<int> monthNumber(const std::wstring& text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return std::nullopt;
    }
    const long value = leadingIntOr(text, 0);
    if (value < 101) return std::nullopt;
    return static_cast<int>(value);
}

std::vector<std::wstring> periodFileNames(int currentMonth, int months) {
    std::vector<std::wstring> names;
    long long v = currentMonth;
    for (long long i = 0; i < static_cast<long long>(months) + 1; ++i) {
        if (v % 100 == 0) v -= 88; // month 00 is December of the year before
        if (v < 101) break;        // before year 1: nothing older can exist
        names.push_back(decimalText(v) + L".txt");
        --v;
    }
    return names;
}

namespace {

// The upper-case fold of the file system's name order for the common alphabets.
wchar_t foldedUnit(wchar_t c) {
    const auto u = static_cast<unsigned>(c) & 0xFFFF;
    const auto shifted = [&](unsigned by) { return static_cast<wchar_t>(u - by); };
    if (u >= 'a' && u <= 'z') return shifted(0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return shifted(0x20);
    if (u >= 0x3B1 && u <= 0x3C9 && u != 0x3C2) return shifted(0x20);
    if (u >= 0x430 && u <= 0x44F) return shifted(0x20);
    if (u >= 0x450 && u <= 0x45F) return shifted(0x50);
    if (u >= 0xFF41 && u <= 0xFF5A) return shifted(0x20);
    return static_cast<wchar_t>(u);
}

} // namespace

bool precedesInFolderOrder(const std::wstring& a, const std::wstring& b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const wchar_t fa = foldedUnit(a[i]);
        const wchar_t fb = foldedUnit(b[i]);
        if (fa != fb) return fa < fb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b; // names equal but for case (possible off NTFS): keep a fixed order
}

bool isMonthFileName(std::wstring_view name) {
    constexpr std::wstring_view extension = L".txt";
    if (name.size() != 6 + extension.size() || name.substr(6) != extension) return false;
    return std::all_of(name.begin(), name.begin() + 6, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

std::vector<std::wstring> allPeriodFileNames(std::vector<FolderEntry> entries) {
    std::vector<std::wstring> months, others;
    for (FolderEntry& entry : entries) {
        if (entry.isFolder || entry.name == L"." || entry.name == L".." || entry.name == L"history.txt") continue;
        if (isInterruptedWrite(entry.name)) continue;
        (isMonthFileName(entry.name) ? months : others).push_back(std::move(entry.name));
    }
    // Newest month first, as the other periods read them, so that a text's
    // latest use decides its place.
    std::sort(months.begin(), months.end(), std::greater<>());
    std::sort(others.begin(), others.end(), precedesInFolderOrder);
    months.insert(months.end(), std::make_move_iterator(others.begin()), std::make_move_iterator(others.end()));
    return months;
}

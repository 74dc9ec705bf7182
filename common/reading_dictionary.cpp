#include "reading_dictionary.h"

#include "text_lines.h"

#include <algorithm>
#include <cstring>

namespace {

// Longer lines are not a dictionary's.
constexpr size_t longestLine = 16384;

// Appends a field folded and followed by 0, or nothing for an empty field.
size_t appendField(std::vector<KanaUnit>& units, std::string_view field) {
    if (field.empty()) return 0;
    const size_t at = units.size();
    units.resize(at + field.size());
    const size_t decoded = decodeUtf8(field, units.data() + at);
    units.resize(at + foldKanaInPlace(units.data() + at, decoded));
    units.push_back(0);
    return 1;
}

// One line as its reading and words; false (and nothing kept) for a line that is none.
bool appendLine(std::vector<KanaUnit>& units, std::string_view line) {
    if (line.empty() || line[0] == ';' || line.size() > longestLine || !isValidUtf8(line)) return false;
    const size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string_view::npos || line.find('\0') != std::string_view::npos) return false;
    const size_t start = units.size();
    size_t words = 0;
    appendField(units, line.substr(0, tab));
    for (size_t at = tab + 1; at <= line.size();) {
        const size_t end = std::min(line.find('\t', at), line.size());
        words += appendField(units, line.substr(at, end - at));
        at = end + 1;
    }
    if (words == 0) {
        units.resize(start);
        return false;
    }
    units.push_back(0);
    return true;
}

} // namespace

KanaView ReadingDictionary::textAt(size_t start) const {
    const KanaUnit* text = units.data() + start;
    size_t length = 0;
    while (text[length] != 0) ++length;
    return {text, length};
}

size_t ReadingDictionary::firstReadingFrom(KanaView prefix) const {
    const auto found = std::lower_bound(readings.begin(), readings.end(), prefix,
                                        [this](uint32_t start, KanaView p) { return textAt(start) < p; });
    return static_cast<size_t>(found - readings.begin());
}

ReadingDictionary readReadingDictionary(std::string_view bytes) {
    ReadingDictionary dictionary;
    // Decoded text is never longer than its bytes; each line adds one 0 unit more than it has fields.
    dictionary.units.reserve(bytes.size() + static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 2);
    const size_t first = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; // a byte-order mark some editors write
    for (size_t start = first; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto at = static_cast<uint32_t>(dictionary.units.size());
        if (appendLine(dictionary.units, line)) dictionary.readings.push_back(at);
        start = end + 1;
    }
    dictionary.units.shrink_to_fit();
    dictionary.readings.shrink_to_fit();
    // Sorted by the first four units held in one number, the texts compared only where those agree.
    std::vector<std::pair<uint64_t, uint32_t>> keyed;
    keyed.reserve(dictionary.readings.size());
    for (const uint32_t start : dictionary.readings) {
        const KanaView reading = dictionary.textAt(start);
        uint64_t key = 0;
        for (size_t i = 0; i < 4; ++i) key = key << 16 | (i < reading.size() ? static_cast<uint16_t>(reading[i]) : 0u);
        keyed.emplace_back(key, start);
    }
    std::sort(keyed.begin(), keyed.end(), [&dictionary](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return dictionary.textAt(a.second) < dictionary.textAt(b.second);
    });
    for (size_t i = 0; i < keyed.size(); ++i) dictionary.readings[i] = keyed[i].second;
    return dictionary;
}

#include "reading_dictionary.h"

#include "text_lines.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Longer lines are not a dictionary's.
constexpr size_t longestLine = 16384;

void appendUtf8(std::string& out, KanaView text) {
    const size_t at = out.size();
    out.resize(at + utf8Size(text));
    encodeUtf8(text, out.data() + at);
}

// Whether a line is its own fold: no A-Z, no full-width or half-width form
// (U+FF00 on, lead byte EF), no katakana (E3 82 A1 to E3 83 BF), no empty word.
// Most of a dictionary's lines are, and are kept without decoding them.
bool foldsToItself(std::string_view line) {
    for (size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<uint8_t>(line[i]);
        const auto next = i + 1 < line.size() ? static_cast<uint8_t>(line[i + 1]) : 0;
        const auto third = i + 2 < line.size() ? static_cast<uint8_t>(line[i + 2]) : 0;
        if ((byte >= 'A' && byte <= 'Z') || byte == 0xEF) return false;
        if (byte == 0xE3 && (next == 0x83 || (next == 0x82 && third >= 0xA1))) return false;
        if (byte == '\t' && (next == '\t' || i + 1 == line.size())) return false;
    }
    return true;
}

// One line as its folded reading, a TAB before each word and a LF; false for
// a line that is none. Folding never lengthens a character's UTF-8 form, so
// the folded line fits where the line stood.
bool foldLine(std::string_view line, KanaText& units, std::string& out) {
    out.clear();
    if (line.empty() || line[0] == ';' || line.size() > longestLine || !isValidUtf8(line)) return false;
    const size_t tab = line.find('\t');
    if (tab == 0 || tab == std::string_view::npos || line.find('\0') != std::string_view::npos) return false;
    if (foldsToItself(line)) {
        out.assign(line);
        out.push_back('\n');
        return true;
    }
    units.resize(line.size());
    units.resize(foldKanaInPlace(units.data(), decodeUtf8(line, units.data())));
    const KanaView folded(units);
    size_t words = 0;
    for (size_t start = 0; start <= folded.size();) {
        const size_t end = std::min(folded.find(KanaUnit('\t'), start), folded.size());
        if (end > start) {
            if (start > 0) {
                out.push_back('\t');
                ++words;
            }
            appendUtf8(out, folded.substr(start, end - start));
        }
        start = end + 1;
    }
    out.push_back('\n');
    return words > 0;
}

} // namespace

std::string utf8Of(KanaView text) {
    std::string bytes;
    appendUtf8(bytes, text);
    return bytes;
}

size_t decodedWord(std::string_view word, KanaUnit* out) { return decodeUtf8(word, out); }

std::string_view ReadingDictionary::readingOf(size_t index) const {
    const size_t start = readings[index];
    return std::string_view(text).substr(start, text.find('\t', start) - start);
}

size_t ReadingDictionary::firstReadingFrom(std::string_view prefix) const {
    size_t low = 0, high = readings.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (readingOf(middle) < prefix) low = middle + 1;
        else high = middle;
    }
    return low;
}

bool ReadingDictionary::hasReadingFrom(KanaView prefix) const {
    const std::string start = utf8Of(prefix);
    const size_t found = firstReadingFrom(start);
    return found < readings.size() && readingOf(found).substr(0, start.size()) == start;
}

ReadingDictionary readReadingDictionary(std::string bytes) {
    ReadingDictionary dictionary;
    if (bytes.size() >= std::numeric_limits<uint32_t>::max()) return dictionary;
    std::string& text = dictionary.text;
    text = std::move(bytes);
    dictionary.readings.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    // Each line is folded into the room it stood in, before the lines after it are read.
    KanaText units;
    std::string folded;
    size_t written = 0;
    for (size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        if (!foldLine(line, units, folded)) continue;
        // Only a last line without its LF grows, by that LF.
        if (written + folded.size() > text.size()) text.resize(written + folded.size());
        std::memcpy(text.data() + written, folded.data(), folded.size());
        dictionary.readings.push_back(static_cast<uint32_t>(written));
        written += folded.size();
    }
    text.resize(written);
    if (text.capacity() - written > written / 4) text.shrink_to_fit();
    dictionary.readings.shrink_to_fit();
    // Sorted by the first eight bytes held in one number, the readings compared only where those agree.
    std::vector<std::pair<uint64_t, uint32_t>> keyed;
    keyed.reserve(dictionary.readings.size());
    for (size_t i = 0; i < dictionary.readings.size(); ++i) {
        const std::string_view reading = dictionary.readingOf(i);
        uint64_t key = 0;
        for (size_t k = 0; k < 8; ++k) key = key << 8 | (k < reading.size() ? static_cast<uint8_t>(reading[k]) : 0u);
        keyed.emplace_back(key, dictionary.readings[i]);
    }
    const auto readingAt = [&text](uint32_t start) {
        return std::string_view(text).substr(start, text.find('\t', start) - start);
    };
    std::sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return readingAt(a.second) < readingAt(b.second);
    });
    for (size_t i = 0; i < keyed.size(); ++i) dictionary.readings[i] = keyed[i].second;
    return dictionary;
}

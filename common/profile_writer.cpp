#include "profile_writer.h"

namespace {

struct Line {
    size_t begin = 0;   // first byte
    size_t end = 0;     // one past the last byte of its text, before CR LF or LF
    size_t next = 0;    // first byte of the following line
};

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    size_t begin = 0;
    while (begin < bytes.size()) {
        const size_t lf = bytes.find('\n', begin);
        Line line;
        line.begin = begin;
        line.next = lf == std::string_view::npos ? bytes.size() : lf + 1;
        line.end = lf == std::string_view::npos ? bytes.size() : lf;
        if (lf != std::string_view::npos && line.end > begin && bytes[line.end - 1] == '\r') --line.end;
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

bool sectionName(std::string_view text, std::string_view& name) {
    text = trimmed(text);
    if (text.empty() || text.front() != '[') return false;
    const size_t close = text.find(']');
    name = trimmed(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

std::string_view lineText(std::string_view bytes, const Line& line) {
    return bytes.substr(line.begin, line.end - line.begin);
}

std::string lineEndOf(std::string_view bytes) {
    const size_t lf = bytes.find('\n');
    return lf != std::string_view::npos && lf > 0 && bytes[lf - 1] == '\r' ? "\r\n" : "\n";
}

std::string replaced(std::string_view bytes, size_t begin, size_t end, std::string_view text) {
    std::string out;
    out.reserve(bytes.size() + text.size());
    out.append(bytes.substr(0, begin));
    out.append(text);
    out.append(bytes.substr(end));
    return out;
}

} // namespace

std::string withProfileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<Line> lines = splitLines(bytes);
    const std::string lineEnd = lineEndOf(bytes);
    std::string entry(key);
    entry.append("=").append(value).append(lineEnd);

    size_t header = lines.size();
    for (size_t i = 0; i < lines.size() && header == lines.size(); ++i) {
        std::string_view text = lineText(bytes, lines[i]);
        if (i == 0) text = withoutByteOrderMark(text);
        std::string_view name;
        if (sectionName(text, name) && equalsIgnoringCase(name, section)) header = i;
    }

    if (header == lines.size()) {
        std::string out(bytes);
        if (!out.empty() && out.back() != '\n') out += lineEnd;
        out.append("[").append(section).append("]").append(lineEnd).append(entry);
        return out;
    }

    size_t lastContent = header;
    for (size_t i = header + 1; i < lines.size(); ++i) {
        const std::string_view text = lineText(bytes, lines[i]);
        std::string_view ignored;
        if (sectionName(text, ignored)) break;
        const std::string_view line = trimmed(text);
        if (line.empty()) continue;
        lastContent = i;
        if (line.front() == ';') continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || !equalsIgnoringCase(trimmed(line.substr(0, equals)), key)) continue;
        const size_t valueBegin = static_cast<size_t>(text.find('=')) + 1 + lines[i].begin;
        return replaced(bytes, valueBegin, lines[i].end, value);
    }

    // The new key goes after the section's last line with content, so blank
    // lines that separate it from the next section stay where they are.
    const Line& after = lines[lastContent];
    if (after.next == after.end) {
        // The last line of the file without a line end.
        return std::string(bytes).append(lineEnd).append(entry);
    }
    return replaced(bytes, after.next, after.next, entry);
}

std::string withProfileValues(std::string_view bytes, std::string_view section,
                              const std::vector<std::pair<std::string, std::string>>& values) {
    std::string out(bytes);
    for (const auto& [key, value] : values) out = withProfileValue(out, section, key, value);
    return out;
}

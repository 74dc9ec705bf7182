#include "text_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t replacementChar = 0xFFFD;

// Writes one code point as UTF-16 at out[n]; the caller has made room.
template <class Unit>
void putUtf16(Unit* out, size_t& n, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out[n++] = static_cast<Unit>(0xD800 + (cp >> 10));
        out[n++] = static_cast<Unit>(0xDC00 + (cp & 0x3FF));
    } else {
        out[n++] = static_cast<Unit>(cp);
    }
}

// Length of the sequence a lead byte announces, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Eight ASCII bytes from i on: most text is paths and addresses, taken eight at a time.
bool eightAsciiBytesAt(std::string_view bytes, size_t i) {
    if (bytes.size() - i < 8) return false;
    uint64_t chunk;
    std::memcpy(&chunk, bytes.data() + i, 8);
    return (chunk & 0x8080808080808080u) == 0;
}

// Second-byte limits that rule out overlong forms, surrogates and code points past U+10FFFF.
bool secondByteFits(unsigned char lead, unsigned char second) {
    switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return isContinuation(second);
    }
}

template <class Unit>
size_t decodeInto(std::string_view bytes, Unit* out) {
    size_t n = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        if (eightAsciiBytesAt(bytes, i)) {
            for (int k = 0; k < 8; ++k) out[n + k] = static_cast<Unit>(static_cast<unsigned char>(bytes[i + k]));
            n += 8;
            i += 8;
            continue;
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) { // the common case, without the sequence bookkeeping
            out[n++] = static_cast<Unit>(lead);
            ++i;
            continue;
        }
        const int length = sequenceLength(lead);
        // A broken sequence gives one replacement character for its valid prefix.
        int taken = 1;
        bool whole = length > 0;
        if (whole) {
            for (int k = 1; k < length; ++k) {
                if (i + k >= bytes.size()) { whole = false; break; }
                const auto next = static_cast<unsigned char>(bytes[i + k]);
                const bool fits = k == 1 ? secondByteFits(lead, next) : isContinuation(next);
                if (!fits) { whole = false; break; }
                ++taken;
            }
        }
        if (!whole) {
            out[n++] = static_cast<Unit>(replacementChar);
            i += taken;
            continue;
        }
        char32_t cp = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        putUtf16(out, n, cp);
        i += length;
    }
    return n;
}

} // namespace

size_t decodeUtf8(std::string_view bytes, wchar_t* out) { return decodeInto(bytes, out); }
size_t decodeUtf8(std::string_view bytes, char16_t* out) { return decodeInto(bytes, out); }

std::wstring wideFromUtf8(std::string_view bytes) {
    // Never more code units than bytes; written in place and cut to size at the end.
    std::wstring out(bytes.size(), L'\0');
    out.resize(decodeInto(bytes, out.data()));
    return out;
}

namespace {

// At most three bytes per UTF-16 unit (a surrogate pair gives four for two).
constexpr size_t maxUtf8PerUnit = 3;

// Encodes into room the caller has made; returns the number of bytes written.
template <class Unit>
size_t putUtf8(char* out, std::basic_string_view<Unit> text) {
    char* const start = out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = static_cast<char32_t>(text[i]) & 0xFFFF;
        if (cp < 0x80) {
            *out++ = static_cast<char>(cp);
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size()) {
            const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF) cp = replacementChar; // lone surrogate
        if (cp < 0x800) {
            *out++ = static_cast<char>(0xC0 | (cp >> 6));
            *out++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *out++ = static_cast<char>(0xE0 | (cp >> 12));
            *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *out++ = static_cast<char>(0xF0 | (cp >> 18));
            *out++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return static_cast<size_t>(out - start);
}

// The bytes putUtf8 writes for the text.
template <class Unit>
size_t utf8SizeOf(std::basic_string_view<Unit> text) {
    size_t size = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = static_cast<char32_t>(text[i]) & 0xFFFF;
        if (unit < 0x80) size += 1;
        else if (unit < 0x800) size += 2;
        else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() &&
                 (static_cast<char32_t>(text[i + 1]) & 0xFFFF) >= 0xDC00 &&
                 (static_cast<char32_t>(text[i + 1]) & 0xFFFF) <= 0xDFFF) {
            size += 4;
            ++i;
        } else size += 3;
    }
    return size;
}

} // namespace

size_t utf8Size(std::wstring_view text) { return utf8SizeOf(text); }
size_t utf8Size(std::u16string_view text) { return utf8SizeOf(text); }
size_t encodeUtf8(std::wstring_view text, char* out) { return putUtf8(out, text); }
size_t encodeUtf8(std::u16string_view text, char* out) { return putUtf8(out, text); }

std::string utf8FromWide(std::wstring_view text) {
    std::string out(text.size() * maxUtf8PerUnit, '\0');
    out.resize(putUtf8(out.data(), text));
    return out;
}

bool hasUtf16ByteOrderMark(std::string_view bytes) {
    return bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF";
}

std::string utf8FromUtf16File(std::string_view bytes) {
    const bool bigEndian = bytes.substr(0, 2) == "\xFE\xFF";
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text.push_back(static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    // A last odd byte is half a character.
    if (bytes.size() > 2 && bytes.size() % 2 != 0) text.push_back(static_cast<wchar_t>(replacementChar));
    return utf8FromWide(text);
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        if (eightAsciiBytesAt(bytes, i)) {
            i += 8;
            continue;
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || bytes.size() - i < static_cast<size_t>(length)) return false;
        if (length > 1 && !secondByteFits(lead, static_cast<unsigned char>(bytes[i + 1]))) return false;
        for (int k = 2; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes[i + k]))) return false;
        }
        i += static_cast<size_t>(length);
    }
    return true;
}

std::string_view utf8TextOf(std::string_view bytes, LegacyDecoder legacy, std::string& converted) {
    constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, utf8Mark.size()) == utf8Mark) return bytes.substr(utf8Mark.size());
    if (hasUtf16ByteOrderMark(bytes)) {
        converted = utf8FromUtf16File(bytes);
        return converted;
    }
    if (legacy && !isValidUtf8(bytes)) {
        converted = utf8FromWide(legacy(bytes));
        return converted;
    }
    return bytes;
}

TextLines linesFromBytes(std::string_view fileBytes, LegacyDecoder legacy) {
    std::string converted;
    const std::string_view bytes = utf8TextOf(fileBytes, legacy, converted);
    TextLines lines;
    lines.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const bool hasLineEnd = end != std::string_view::npos;
        if (!hasLineEnd) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (hasLineEnd && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        const size_t zero = line.find('\0');
        if (zero != std::string_view::npos) line = line.substr(0, zero);
        lines.push_back(wideFromUtf8(line));
        start = end + 1;
    }
    return lines;
}

std::string bytesFromLines(const TextLines& lines) {
    size_t units = 0;
    for (const auto& line : lines) units += line.size();
    std::string bytes(units * maxUtf8PerUnit + lines.size(), '\0');
    size_t n = 0;
    for (const auto& line : lines) {
        n += putUtf8(bytes.data() + n, std::wstring_view(line));
        bytes[n++] = '\n';
    }
    bytes.resize(n);
    return bytes;
}

std::vector<std::wstring> splitFields(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring> fields;
    std::wstring field;
    for (wchar_t c : text) {
        if (c == separator) {
            if (!field.empty()) fields.push_back(std::move(field));
            field.clear();
        } else {
            field.push_back(c);
        }
    }
    if (!field.empty()) fields.push_back(std::move(field));
    return fields;
}

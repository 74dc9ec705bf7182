#pragma once
// UTF-8 text files as lists of wide lines, and the TAB/comma field split.
// Wide text is UTF-16 code units on every platform, so the portable code
// behaves the same natively as it does on Windows.
#include <string>
#include <string_view>
#include <vector>

using TextLines = std::vector<std::wstring>;

std::wstring wideFromUtf8(std::string_view bytes);
std::string utf8FromWide(std::wstring_view text);

// The same conversions into room the caller has made, for buffers that hold
// many texts: decoding writes at most bytes.size() units, encoding exactly
// utf8Size bytes. Both return how much they wrote.
size_t decodeUtf8(std::string_view bytes, wchar_t* out);
size_t decodeUtf8(std::string_view bytes, char16_t* out);
size_t utf8Size(std::wstring_view text);
size_t utf8Size(std::u16string_view text);
size_t encodeUtf8(std::wstring_view text, char* out);
size_t encodeUtf8(std::u16string_view text, char* out);

// An editor may save a file as UTF-16 with a byte-order mark (FF FE or FE FF).
// No UTF-8 text starts with either pair, so the mark alone decides.
bool hasUtf16ByteOrderMark(std::string_view bytes);
// Such a file's text as UTF-8 without the mark, every line end as it was.
std::string utf8FromUtf16File(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

// Older tools and copied profiles saved data files in the ANSI code page of
// Japanese Windows (932). The table is the platform's: Windows passes
// MultiByteToWideChar, portable code and native tests pass their own or none.
using LegacyDecoder = std::wstring (*)(std::string_view bytes);

// A data file's text as UTF-8 without a byte-order mark: a UTF-8 mark is
// dropped, a UTF-16 file converted, and a file that is not valid UTF-8 read
// through legacy when there is one. Points into bytes or into converted.
std::string_view utf8TextOf(std::string_view bytes, LegacyDecoder legacy, std::string& converted);

// A file's bytes as lines: split at LF, a CR right before a LF dropped,
// a last line without LF kept, a NUL byte ending that line's text. The text
// is utf8TextOf the bytes; without legacy, invalid UTF-8 becomes U+FFFD.
TextLines linesFromBytes(std::string_view bytes, LegacyDecoder legacy = nullptr);

// Every line, the last one too, followed by a single LF.
std::string bytesFromLines(const TextLines& lines);

// Fields between separators; empty fields are dropped, nothing is trimmed.
std::vector<std::wstring> splitFields(std::wstring_view text, wchar_t separator);

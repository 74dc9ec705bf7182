#pragma once
// Sets values in INI-style UTF-8 text byte for byte: only the value being
// written changes, every other byte of the file stays as it was. The
// platform's profile writer re-encodes the whole file in the ANSI code page,
// which breaks UTF-8 lines under the Japanese code page.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// key=value in the first section of that name (names compared without ASCII
// case, as the reader does): an existing key gets its value replaced in place,
// a missing key is added after the last non-empty line of the section, and a
// missing section is appended at the end. New lines end as the file's first
// line does (CR LF or LF).
std::string withProfileValue(std::string_view bytes, std::string_view section, std::string_view key,
                             std::string_view value);

std::string withProfileValues(std::string_view bytes, std::string_view section,
                              const std::vector<std::pair<std::string, std::string>>& values);

#pragma once
// Decimal numbers as the data files hold them.
#include <optional>
#include <string>
#include <string_view>

// Leading blanks and one sign allowed, digits up to the first non-digit.
// No digit at all gives nothing; values beyond 32 bits are clamped.
std::optional<long> parseLeadingInt(std::wstring_view text);

// The same, with a fallback for text that holds no number.
long leadingIntOr(std::wstring_view text, long fallback);

std::wstring decimalText(long long value);

#include "numbers.h"

#include <climits>

std::optional<long> parseLeadingInt(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        anyDigit = true;
        if (value <= LLONG_MAX / 10 - 10) value = value * 10 + (text[i] - L'0');
    }
    if (!anyDigit) return std::nullopt;
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<long>(value);
}

long leadingIntOr(std::wstring_view text, long fallback) {
    return parseLeadingInt(text).value_or(fallback);
}

std::wstring decimalText(long long value) {
    return std::to_wstring(value);
}

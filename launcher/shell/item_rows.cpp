#include "item_rows.h"

#include "messages.h"
#include "common/numbers.h"

std::optional<HotkeyBinding> hotkeyBindingOf(const ItemRow& row) {
    if (row.size() < 3) return std::nullopt;
    const auto key = parseLeadingInt(row[1]);
    const auto modifiers = parseLeadingInt(row[2]);
    if (!key || !modifiers) return std::nullopt;
    return HotkeyBinding{static_cast<unsigned>(*key), static_cast<unsigned>(*modifiers)};
}

std::wstring hotkeyRowLabel(const ItemRow& row) {
    // A line of TABs only has no text of its own; the general message stands in.
    return row.empty() ? hotkeyFailureText : row[0];
}

bool isUsableMenuRow(const ItemRow& row) {
    return row.size() >= 2;
}

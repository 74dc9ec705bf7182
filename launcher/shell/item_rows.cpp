#include "item_rows.h"

#include "messages.h"
#include "common/numbers.h"
#include "launcher/resources/resource.h"

std::optional<int> hotkeyRowId(size_t position) {
    if (position >= static_cast<size_t>(mainHotkeyId)) return std::nullopt;
    return static_cast<int>(position);
}

std::optional<int> commandRowId(size_t position) {
    // The fixed commands of the menu bar begin with the help command.
    if (position >= static_cast<size_t>(IDM_HELP - firstCommandId)) return std::nullopt;
    return firstCommandId + static_cast<int>(position);
}

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

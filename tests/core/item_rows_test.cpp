#include "launcher/shell/item_rows.h"
#include "launcher/shell/messages.h"

#include <gtest/gtest.h>

TEST(ItemRows, HotkeyRowsNeedTextKeyAndModifiersInDecimal) {
    const auto binding = hotkeyBindingOf({L"notepad", L"78", L"3"});
    ASSERT_TRUE(binding.has_value());
    EXPECT_EQ(binding->key, 78u);
    EXPECT_EQ(binding->modifiers, 3u);
    EXPECT_EQ(hotkeyBindingOf({L"x", L" 65abc", L"+2", L"ignored"})->key, 65u);
    EXPECT_FALSE(hotkeyBindingOf({L"short", L"78"}).has_value());
    EXPECT_FALSE(hotkeyBindingOf({L"bad", L"N", L"3"}).has_value());
    EXPECT_FALSE(hotkeyBindingOf({L"bad", L"78", L"ctrl"}).has_value());
    EXPECT_FALSE(hotkeyBindingOf({}).has_value());
}

TEST(ItemRows, ReportsARowByItsTextAndMenuRowsNeedATarget) {
    EXPECT_EQ(hotkeyRowLabel({L"notepad", L"x"}), L"notepad");
    EXPECT_EQ(hotkeyRowLabel({}), hotkeyFailureText);
    EXPECT_TRUE(isUsableMenuRow({L"label", L"eventvwr.msc"}));
    EXPECT_FALSE(isUsableMenuRow({L"label"}));
    EXPECT_FALSE(isUsableMenuRow({}));
}

TEST(ItemRows, RowIdsStopShortOfTheFixedIds) {
    EXPECT_EQ(hotkeyRowId(5344), 5344);
    EXPECT_EQ(hotkeyRowId(5345), std::nullopt) << "the show hotkey's id";
    EXPECT_EQ(commandRowId(31770), 32770);
    EXPECT_EQ(commandRowId(31771), std::nullopt) << "the help command's id";
}

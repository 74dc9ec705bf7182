#include "launcher/input/commands.h"

#include <gtest/gtest.h>

TEST(CommandTest, PrefixWordsTakeTheTrimmedRest) {
    ParsedCommand clip = parseCommand(L"clip   Hello \x3000");
    EXPECT_EQ(clip.word, CommandWord::clip);
    EXPECT_EQ(clip.argument, L"Hello");
    EXPECT_EQ(parseCommand(L"clip ").word, CommandWord::clip);
    EXPECT_TRUE(parseCommand(L"clip ").argument.empty());
    EXPECT_EQ(parseCommand(L"clipf a.txt").word, CommandWord::clipf);
    EXPECT_EQ(parseCommand(L"clipf a.txt").argument, L"a.txt");
    ParsedCommand exec = parseCommand(L"exec Notepad notepad.exe");
    EXPECT_EQ(exec.word, CommandWord::exec);
    EXPECT_EQ(exec.argument, L"Notepad notepad.exe");
    EXPECT_EQ(parseCommand(L"show  Mail ").argument, L"Mail");
    EXPECT_EQ(parseCommand(L"txt abc").word, CommandWord::txt);
    EXPECT_EQ(parseCommand(L"txt abc").argument, L"abc");
}

TEST(CommandTest, WholeWordsAndNonCommands) {
    EXPECT_EQ(parseCommand(L"date").word, CommandWord::date);
    EXPECT_EQ(parseCommand(L"dates").word, CommandWord::dates);
    EXPECT_EQ(parseCommand(L"file").word, CommandWord::file);
    for (const wchar_t* text : {L"dates ", L"datex", L"Date", L"clip", L"Clip x", L"clipf", L"exec", L"txt", L"",
                                L" clip x", L"files", L"showx"})
        EXPECT_EQ(parseCommand(text).word, CommandWord::none) << std::string(text, text + wcslen(text));
}

TEST(CommandTest, ClipboardLinesJoinWithCrLf) {
    EXPECT_EQ(joinClipboardLines({L"x", L"y"}), L"x\r\ny");
    EXPECT_EQ(joinClipboardLines({L"x"}), L"x");
    EXPECT_EQ(joinClipboardLines({}), L"");
    EXPECT_EQ(joinClipboardLines({L"", L""}), L"\r\n");
}

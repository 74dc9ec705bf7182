// The help page must keep up with the program: every command word, key,
// setting and data file is explained there.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string helpPage() {
    std::ifstream file(HALVO_HELP_PAGE_SOURCE, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(HelpPage, MentionsEveryCommandWordKeySettingAndFile) {
    const std::string page = helpPage();
    if (page.empty()) GTEST_SKIP() << "the source tree is not reachable from here";

    for (const char* word : {"<code>clip </code>", "<code>clipf </code>", "<code>date</code>", "<code>dates</code>",
                             "<code>file</code>", "<code>exec </code>", "<code>show </code>", "<code>txt </code>"}) {
        EXPECT_NE(page.find(word), std::string::npos) << word;
    }
    for (const char* key : {"<kbd>Enter</kbd>", "<kbd>Ctrl</kbd>+<kbd>Enter</kbd>", "<kbd>Shift</kbd>+<kbd>1</kbd>",
                            "<kbd>Tab</kbd>", "<kbd>↓</kbd>", "<kbd>↑</kbd>", "<kbd>Ctrl</kbd>+<kbd>↓</kbd>",
                            "<kbd>Ctrl</kbd>+<kbd>↑</kbd>", "<kbd>←</kbd>", "<kbd>→</kbd>", "<kbd>Backspace</kbd>",
                            "<kbd>Esc</kbd>", "<kbd>Ctrl</kbd>+<kbd>Space</kbd>", "<kbd>Delete</kbd>", "<kbd>F6</kbd>",
                            "<kbd>F9</kbd>", "<kbd>F12</kbd>", "<kbd>1</kbd>", "<kbd>Alt</kbd>",
                            "<kbd>Shift</kbd>+<kbd>F10</kbd>", "<kbd>アプリケーション</kbd>"}) {
        EXPECT_NE(page.find(key), std::string::npos) << key;
    }
    for (const char* setting : {"autoClose", "notShowTask", "notShowList", "taskZeroShow", "startHide", "listR",
                                "viewTaskR", "viewFileR", "bookmarkR", "textR", "hotkey2", "kanaMatch",
                                "kanaDictionary", "imeOff", "cmigemo-common"}) {
        EXPECT_NE(page.find(setting), std::string::npos) << setting;
    }
    for (const char* file : {"config.txt", "config.ini", "hotkey.txt", "shortcut.txt", "bookmark.txt", "menu.txt",
                             "history.txt", "202612.txt"}) {
        EXPECT_NE(page.find(file), std::string::npos) << file;
    }
    // The spellings kanaMatch understands besides the input methods' own.
    for (const char* spelling : {"<code>nn</code>", "<code>shimbashi</code>", "<code>kyoto</code>", "<code>kohno</code>",
                                 "<code>erebeetaa</code>", "<code>chikazuku</code>", "<code>ti-shatsu</code>",
                                 "<code>xn</code>", "<code>tc</code>", "<code>sh</code>"}) {
        EXPECT_NE(page.find(spelling), std::string::npos) << spelling;
    }
    for (const char* period : {"1ヶ月", "3ヶ月", "6ヶ月", "1年", "2年", "すべて", "^"}) {
        EXPECT_NE(page.find(period), std::string::npos) << period;
    }
    EXPECT_EQ(page.find("http"), std::string::npos) << "the page loads nothing from outside";
}

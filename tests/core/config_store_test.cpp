#include "launcher/data/config_store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

std::unique_ptr<ConfigStore> storeFrom(const TextLines& configLines) {
    auto config = std::make_unique<ConfigStore>();
    applySettings(*config, configLines);
    return config;
}

} // namespace

TEST(ConfigText, EveryLineWithEqualsIsAKeyWhateverItsSection) {
    const SettingsMap map = parseSettings({
        L"[open]", L"F6=notepad", L"F7=", L"[task]", L"autoClose=a,b", L"[etc]", L"F6=wordpad",
        L"no equals here", L"", L" spaced = v", L"=orphan", L"a=b=c",
    });
    EXPECT_EQ(map.at(L"F6"), L"wordpad"); // the later line wins across sections
    EXPECT_EQ(map.count(L"F7"), 0u);      // an empty value never enters
    EXPECT_EQ(map.at(L" spaced "), L" v"); // nothing trimmed
    EXPECT_EQ(map.at(L""), L"orphan");
    EXPECT_EQ(map.at(L"a"), L"b=c");
    EXPECT_EQ(map.count(L"[open]"), 0u);
    EXPECT_EQ(map.size(), 5u);
}

TEST(ConfigText, EmptyValueDoesNotReplaceAnEarlierOne) {
    const auto config = storeFrom({L"F8=calc", L"F8="});
    EXPECT_TRUE(config->hasKey(L"F8"));
    EXPECT_EQ(config->valueOf(L"F8"), L"calc");
    EXPECT_EQ(config->valueOf(L"missing"), L"");
    EXPECT_FALSE(config->hasKey(L"missing"));
}

TEST(ConfigText, ShowHotkeyComesFromTheHotkeySectionOnly) {
    const auto config = storeFrom({L"[etc]", L"hotkey=1", L"[HotKey]", L" hotkey = 65", L"hotkey2=3"});
    EXPECT_EQ(config->showHotkeyKey, 65u);
    EXPECT_EQ(config->showHotkeyModifiers, 3u);
    const auto none = storeFrom({L"[etc]", L"hotkey=1"});
    EXPECT_EQ(none->showHotkeyKey, 0u);
    EXPECT_EQ(storeFrom({L"[hotkey]", L"hotkey=abc"})->showHotkeyKey, 0u);
}

TEST(ConfigText, IsOnOnlyForExactlyOne) {
    const auto config = storeFrom({L"startHide=1 ", L"taskZeroShow=1", L"other=01", L"yes=true"});
    EXPECT_FALSE(config->isOn(L"startHide"));
    EXPECT_TRUE(config->isOn(L"taskZeroShow"));
    EXPECT_FALSE(config->isOn(L"other"));
    EXPECT_FALSE(config->isOn(L"yes"));
    EXPECT_FALSE(config->isOn(L"absent"));
}

TEST(ConfigText, KanaDictionaryIsAbsoluteOrInTheConfigFolder) {
    const wchar_t* folder = L"C:\\h\\config";
    const struct {
        const wchar_t *value, *path;
    } cases[] = {
        {L"migemo-dict", L"C:\\h\\config\\migemo-dict"}, {L"..\\d\\dict", L"C:\\h\\config\\..\\d\\dict"},
        {L"D:\\dict", L"D:\\dict"}, {L"\\\\server\\dict", L"\\\\server\\dict"}, {L"/usr/share/dict", L"/usr/share/dict"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kanaDictionaryPath(*storeFrom({std::wstring(L"kanaDictionary=") + c.value}), folder), c.path);
    EXPECT_EQ(kanaDictionaryPath(*storeFrom({}), folder), L"");
    const ReadingDictionary dictionary;
    const auto on = storeFrom({L"kanaMatch=1"});
    EXPECT_TRUE(kanaMatchingOf(*on, &dictionary).on);
    EXPECT_EQ(kanaMatchingOf(*on, &dictionary).dictionary, &dictionary);
    applySettings(*on, {L"kanaMatch=0"}); // the reload
    EXPECT_FALSE(kanaMatchingOf(*on, nullptr).on);
}

TEST(ConfigText, ColoursKeepTheLowEightBitsAndMissingOrBadComponentsAreWhite) {
    const auto config = storeFrom({
        L"listR=300", L"listG=-1", L"listB=245abc",
        L"textR=oops", L"textG=0", L"textB= 7",
        L"bookmarkR=220", L"bookmarkG=220", L"bookmarkB=220",
    });
    EXPECT_EQ(config->colourOf(L"list"), 44u + 255u * 256 + 245u * 65536);
    EXPECT_EQ(config->colourOf(L"text"), 255u + 0u * 256 + 7u * 65536);
    EXPECT_EQ(config->colourOf(L"bookmark"), 220u + 220u * 256 + 220u * 65536);
    EXPECT_EQ(config->colourOf(L"viewTask"), 0xFFFFFFu);
    EXPECT_EQ(storeFrom({})->colourOf(L"viewFile"), 0xFFFFFFu);
}

TEST(ConfigText, ListsSplitAtCommasKeepBlanksAndSurviveAVanishedKey) {
    ConfigStore config;
    applySettings(config, {L"autoClose=メモ帳,ぁ", L"notShowTask=a, b,,c", L"notShowList=x"});
    EXPECT_EQ(config.autoCloseList(), (TextList{L"メモ帳", L"ぁ"}));
    EXPECT_EQ(config.notShowTaskList(), (TextList{L"a", L" b", L"c"}));
    EXPECT_EQ(config.notShowListList(), (TextList{L"x"}));

    // Emptied, removed and changed keys on reload.
    applySettings(config, {L"autoClose=", L"notShowList=y,z"});
    EXPECT_EQ(config.autoCloseList(), (TextList{L"メモ帳", L"ぁ"}));
    EXPECT_EQ(config.notShowTaskList(), (TextList{L"a", L" b", L"c"}));
    EXPECT_EQ(config.notShowListList(), (TextList{L"y", L"z"}));
    EXPECT_FALSE(config.hasKey(L"notShowTask")); // the map itself is replaced

    // A value of commas only is present but gives no entries.
    applySettings(config, {L"autoClose=,,"});
    EXPECT_TRUE(config.autoCloseList().empty());
}

TEST(ConfigText, ReaderThreadNeverSeesAHalfReplacedSnapshot) {
    ConfigStore config;
    applySettings(config, {L"autoClose=a,b", L"notShowTask=a,b"});
    std::atomic<bool> done{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!done) {
            const auto snapshot = config.settings();
            if (snapshot->autoCloseList != snapshot->notShowTaskList) ++torn;
            const uint32_t colour = config.colourOf(L"list");
            if (colour != 0xFFFFFFu && colour != 0x0000FFu) ++torn;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        if (i % 2) applySettings(config, {L"autoClose=a,b", L"notShowTask=a,b", L"listG=0", L"listB=0"});
        else applySettings(config, {L"autoClose=c", L"notShowTask=c"});
    }
    done = true;
    reader.join();
    EXPECT_EQ(torn.load(), 0);
}

TEST(ConfigIni, SevenLinesAreReadByPositionSkippingTheirPrefixes) {
    ConfigStore config;
    readWindowState(config, {L"x=-30", L"y=10", L"h=700", L"w=900", L"l=C:\\Users", L"t=abc", L"m=3", L"extra"});
    EXPECT_EQ(config.x, -30);
    EXPECT_EQ(config.y, 10);
    EXPECT_EQ(config.height, 700);
    EXPECT_EQ(config.width, 900);
    EXPECT_EQ(config.statusText, L"C:\\Users");
    EXPECT_EQ(config.inputText, L"abc");
    EXPECT_EQ(config.historyMonths, 3);

    // Prefixes are not compared: any two characters are skipped.
    readWindowState(config, {L"??1", L"??2", L"??3", L"??4", L"??", L"", L"??12"});
    EXPECT_EQ(config.x, 1);
    EXPECT_EQ(config.width, 4);
    EXPECT_EQ(config.statusText, L"");
    EXPECT_EQ(config.inputText, L"");
    EXPECT_EQ(config.historyMonths, 12);
}

TEST(ConfigIni, ShortFilesGiveDefaultsAndBadNumbersTheirFieldsDefault) {
    ConfigStore config;
    config.x = 5;
    config.historyMonths = 6;
    EXPECT_FALSE(readWindowState(config, {L"x=1", L"y=2", L"h=3", L"w=4", L"l=s", L"t=t"}));
    EXPECT_EQ(config.x, 100);
    EXPECT_EQ(config.y, 60);
    EXPECT_EQ(config.height, 600);
    EXPECT_EQ(config.width, 800);
    EXPECT_EQ(config.historyMonths, 0);
    EXPECT_EQ(config.statusText, L"");

    EXPECT_TRUE(readWindowState(config, {L"x=abc", L"y", L"h=", L"w=12px", L"l", L"t=ok", L"m=-"}));
    EXPECT_EQ(config.x, 100);
    EXPECT_EQ(config.y, 60);
    EXPECT_EQ(config.height, 600);
    EXPECT_EQ(config.width, 12);
    EXPECT_EQ(config.statusText, L"");
    EXPECT_EQ(config.inputText, L"ok");
    EXPECT_EQ(config.historyMonths, 0);
}

TEST(ConfigIni, SavedLinesAreXYHeightWidthStatusInputMonthsInThatOrder) {
    ConfigStore config;
    config.x = -8;
    config.y = 10;
    config.width = 900;
    config.height = 700;
    config.historyMonths = 3;
    config.statusText = L"not saved";
    const TextLines lines = windowStateLines(config, L"C:\\フォルダ", L"abc");
    EXPECT_EQ(bytesFromLines(lines), "x=-8\ny=10\nh=700\nw=900\nl=C:\\\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x80\nt=abc\nm=3\n");
    EXPECT_EQ(config.statusText, L"not saved");

    ConfigStore back;
    readWindowState(back, lines);
    EXPECT_EQ(back.x, -8);
    EXPECT_EQ(back.height, 700);
    EXPECT_EQ(back.width, 900);
    EXPECT_EQ(back.statusText, L"C:\\フォルダ");
}

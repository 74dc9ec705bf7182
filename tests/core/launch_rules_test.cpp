#include "launcher/input/folder_requests.h"
#include "launcher/input/key_rules.h"
#include "launcher/input/launch_request.h"
#include "launcher/input/program_search.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

DirectoryTest directories(std::set<std::wstring> folders) {
    return [folders](const std::wstring& path) { return folders.count(path) != 0; };
}

LaunchRequest requestFor(const std::wstring& target) {
    LaunchRequest request;
    request.target = target;
    return request;
}

} // namespace

TEST(Dispatch, WithoutCtrlFoldersAreBrowsedAndTypedTextInAFolderViewPicksTheFirstEntry) {
    const DirectoryTest isDir = directories({L"C:\\Windows", L"C:\\"});
    LaunchRequest empty = requestFor(L"");
    EXPECT_EQ(decideDispatch(empty, true, isDir), DispatchStep::nothing);
    LaunchRequest folder = requestFor(L"C:\\Windows");
    EXPECT_EQ(decideDispatch(folder, true, isDir), DispatchStep::openFolderView);
    LaunchRequest typed = requestFor(L"rep");
    EXPECT_EQ(decideDispatch(typed, true, isDir), DispatchStep::activateFirstItem);
    EXPECT_EQ(decideDispatch(typed, false, isDir), DispatchStep::execute);
    for (bool LaunchRequest::*flag : {&LaunchRequest::fromItemView, &LaunchRequest::fromCandidateList,
                                      &LaunchRequest::viaTool}) {
        LaunchRequest chosen = requestFor(L"rep");
        chosen.*flag = true;
        EXPECT_EQ(decideDispatch(chosen, true, isDir), DispatchStep::execute);
    }
    // A tool on a folder browses it instead.
    LaunchRequest tool = requestFor(L"C:\\Windows");
    tool.viaTool = true;
    EXPECT_EQ(decideDispatch(tool, false, isDir), DispatchStep::openFolderView);
}

TEST(Dispatch, WithCtrlTheShellOpensTheFolderOrTheFolderThatHoldsTheFile) {
    const DirectoryTest isDir = directories({L"C:\\Windows", L"C:\\"});
    LaunchRequest folder = requestFor(L"C:\\Windows");
    folder.withCtrl = true;
    EXPECT_EQ(decideDispatch(folder, false, isDir), DispatchStep::execute);
    EXPECT_EQ(folder.target, L"C:\\Windows");
    LaunchRequest file = requestFor(L"C:\\Windows\\notepad.exe");
    file.withCtrl = true;
    EXPECT_EQ(decideDispatch(file, true, isDir), DispatchStep::execute);
    EXPECT_EQ(file.target, L"C:\\Windows");
    LaunchRequest nowhere = requestFor(L"Q:\\none\\x.txt");
    nowhere.withCtrl = true;
    EXPECT_EQ(decideDispatch(nowhere, false, isDir), DispatchStep::nothing);
    LaunchRequest word = requestFor(L"notes");
    word.withCtrl = true;
    EXPECT_EQ(decideDispatch(word, false, isDir), DispatchStep::nothing);
    LaunchRequest empty = requestFor(L"");
    empty.withCtrl = true;
    EXPECT_EQ(decideDispatch(empty, false, isDir), DispatchStep::nothing);
}

TEST(FolderRequests, OnlyTheNewestDecisionAndTheShownFolderListingAreTaken) {
    FolderRequests requests;
    const uint32_t first = requests.decide(), second = requests.decide();
    EXPECT_FALSE(requests.takeFolderFound(first)); // overtaken
    EXPECT_TRUE(requests.takeFolderFound(second));
    // A later decision leaves the shown folder's listing wanted, once.
    EXPECT_TRUE(requests.decisions.take(requests.decide()));
    EXPECT_TRUE(requests.loading());
    EXPECT_TRUE(requests.takeListing(second));
    EXPECT_FALSE(requests.takeListing(second));
    const uint32_t escaped = requests.decide();
    requests.forgetDecision();
    EXPECT_FALSE(requests.takeFolderFound(escaped));
    const uint32_t restored = requests.list();
    requests.forget(); // the tasks again
    EXPECT_FALSE(requests.takeListing(restored));
}

TEST(FolderRequests, KeysTypedMeanwhileAndTheFocusOnceTheEntriesAreThere) {
    EXPECT_EQ(typedSince(L"C:\\dre", L"C:\\d"), L"re");
    EXPECT_EQ(typedSince(L"C:\\d", L"C:\\d"), L"");
    EXPECT_EQ(typedSince(L"x", L"C:\\d"), L""); // edited rather than typed on
    using enum ListingFocus;
    EXPECT_EQ(focusAfterListing(false, true, true, false), itemView);
    EXPECT_EQ(focusAfterListing(false, true, true, true), inputLine);
    EXPECT_EQ(focusAfterListing(false, true, false, false), unchanged); // typed meanwhile
    EXPECT_EQ(focusAfterListing(false, false, true, false), unchanged); // gone to another control
    EXPECT_EQ(focusAfterListing(true, true, true, false), unchanged);  // restored at start
}

TEST(Shortcuts, FirstRowWhoseKeywordStartsTheTargetWins) {
    const Table rows{{L"only"}, {}, {L"g", L"browser.exe"}, {L"go", L"other.exe"}, {L"mk", L"make.exe", L"extra"}};
    LaunchRequest cats = requestFor(L"g cats");
    applyShortcut(cats, rows);
    EXPECT_TRUE(cats.viaShortcut);
    EXPECT_EQ(cats.program, L"browser.exe");
    EXPECT_TRUE(cats.hasParameters);
    EXPECT_EQ(cats.parameters, L"cats");
    EXPECT_EQ(cats.target, L"g cats");

    LaunchRequest google = requestFor(L"google");
    applyShortcut(google, rows); // no separator needed; the first row wins over "go"
    EXPECT_EQ(google.program, L"browser.exe");
    EXPECT_EQ(google.parameters, L"oogle");

    LaunchRequest alone = requestFor(L"g");
    applyShortcut(alone, rows);
    EXPECT_TRUE(alone.viaShortcut);
    EXPECT_FALSE(alone.hasParameters);
    EXPECT_EQ(shellOpenFor(alone).hasParameters, false);

    LaunchRequest upper = requestFor(L"G cats");
    LaunchRequest onlyKeyword = requestFor(L"only x");
    applyShortcut(upper, rows);
    applyShortcut(onlyKeyword, rows);
    EXPECT_FALSE(upper.viaShortcut);       // case-sensitive
    EXPECT_FALSE(onlyKeyword.viaShortcut); // a row without a program is skipped
    EXPECT_TRUE(onlyKeyword.program.empty());
}

TEST(Shortcuts, ShellOpenTakesShortcutThenToolThenTarget) {
    LaunchRequest plain = requestFor(L"C:\\x.txt");
    ShellOpen open = shellOpenFor(plain);
    EXPECT_EQ(open.file, L"C:\\x.txt");
    EXPECT_FALSE(open.hasParameters);

    LaunchRequest tool = requestFor(L"C:\\my file.txt");
    tool.viaTool = true;
    tool.program = L"notepad";
    open = shellOpenFor(tool);
    EXPECT_EQ(open.file, L"notepad");
    EXPECT_EQ(open.parameters, L"C:\\my file.txt"); // whole, unquoted
    EXPECT_TRUE(open.hasParameters);

    LaunchRequest shortcut = requestFor(L"mk hello");
    applyShortcut(shortcut, {{L"mk", L"make.exe"}});
    open = shellOpenFor(shortcut);
    EXPECT_EQ(open.file, L"make.exe");
    EXPECT_EQ(open.parameters, L"hello");
}

TEST(ProgramSearch, BareNamesAreFoundWhereTheShellLooksButNeverInRelativeFolders) {
    using Entries = std::map<std::wstring, std::wstring>;
    const Entries currentUser{{L"editor.exe", L"\"C:\\Users\\u\\Apps\\editor.exe\""},
                              {L"stale.exe", L"C:\\Gone\\stale.exe"}};
    const Entries machine{{L"editor.exe", L"C:\\Program Files\\Editor\\editor.exe"}, {L"viewer.exe", L"C:\\Tools\\viewer.exe"}};
    const std::set<std::wstring> files{
        L"C:\\Windows\\System32\\notepad.exe", L"C:\\Windows\\notepad.exe", L"C:\\Windows\\explorer.exe",
        L"C:\\Users\\u\\Apps\\editor.exe", L"C:\\Program Files\\Editor\\editor.exe", L"C:\\Tools\\viewer.exe",
        L"C:\\Program Files\\Git\\cmd\\git.cmd", L"C:\\Bin\\tool.com", L"C:\\Bin\\tool.exe", L"C:\\Bin\\stale.exe",
        L"tools\\planted.exe", L".\\planted.exe", L"C:\\planted.exe"};
    const auto entryOf = [](const Entries& entries) {
        return [&entries](const std::wstring& name) {
            const auto found = entries.find(name);
            return found == entries.end() ? std::wstring() : found->second;
        };
    };
    ProgramPlaces places;
    places.currentUserAppPath = entryOf(currentUser);
    places.machineAppPath = entryOf(machine);
    places.isFile = [&files](const std::wstring& path) { return files.count(path) != 0; };
    places.systemFolder = L"C:\\Windows\\System32";
    places.windowsFolder = L"C:\\Windows";
    places.path = L";.;tools;C:;\"C:\\Program Files\\Git\\cmd\";C:\\Bin\\";
    places.pathExt = L".COM;.EXE;;CMD;.CMD";

    const std::pair<std::wstring, std::wstring> rows[] = {
        {L"notepad", L"C:\\Windows\\System32\\notepad.exe"}, // System32 before the Windows folder
        {L"explorer", L"C:\\Windows\\explorer.exe"},
        {L"editor", L"C:\\Users\\u\\Apps\\editor.exe"},      // the user's App Paths first, unquoted
        {L"viewer", L"C:\\Tools\\viewer.exe"},               // then the machine's, before any folder
        {L"stale", L"C:\\Bin\\stale.exe"},                   // an entry whose file is gone is passed over
        {L"git", L"C:\\Program Files\\Git\\cmd\\git.cmd"},   // a quoted PATH folder
        {L"tool", L"C:\\Bin\\tool.com"},                     // PATHEXT in its order
        {L"tool.exe", L"C:\\Bin\\tool.exe"},                 // a name with an extension as it is
        {L"planted", L"planted"},                            // relative and drive-relative folders are skipped
        {L"nowhere", L"nowhere"},
        {L"C:\\Bin\\tool.com", L"C:\\Bin\\tool.com"},
        {L"sub\\tool", L"sub\\tool"},
        {L"C:tool", L"C:tool"},
        {L"https://example.com/notepad", L"https://example.com/notepad"},
        {L"shell:startup", L"shell:startup"},
        {L"ms-settings:display", L"ms-settings:display"},
        {L"", L""},
    };
    for (const auto& [typed, launched] : rows) EXPECT_EQ(resolveProgram(typed, places), launched) << typed.c_str();
}

TEST(KeyRules, ShiftedCharactersDigitsAndEnterTarget) {
    EXPECT_EQ(shiftedCandidateIndex(L'!'), 0);
    EXPECT_EQ(shiftedCandidateIndex(L'"'), 1); // Shift+2 on the Japanese layout
    EXPECT_EQ(shiftedCandidateIndex(L')'), 8);
    EXPECT_EQ(shiftedCandidateIndex(L'*'), 9);
    EXPECT_EQ(shiftedCandidateIndex(L' '), -1);
    EXPECT_EQ(shiftedCandidateIndex(L'+'), -1);
    EXPECT_EQ(shiftedCandidateIndex(L'@'), -1);
    // By the key, whatever it types; by the character only without a key.
    EXPECT_EQ(shiftedCandidateIndex('7', L'&'), 6);
    EXPECT_EQ(shiftedCandidateIndex('2', L'@'), 1);
    EXPECT_EQ(shiftedCandidateIndex('0', L')'), 9);
    EXPECT_EQ(shiftedCandidateIndex(0xBA, L'*'), -1); // the Japanese layout's ":" key
    EXPECT_EQ(shiftedCandidateIndex(packetKey, L'"'), 1);
    EXPECT_EQ(shiftedCandidateIndex(packetKey, L'@'), -1);
    EXPECT_EQ(digitRowIndex(L'1'), 0);
    EXPECT_EQ(digitRowIndex(L'9'), 8);
    EXPECT_EQ(digitRowIndex(L'0'), -1);
    EXPECT_TRUE(isDigitCharacter(L'0'));
    EXPECT_FALSE(isDigitCharacter(L'\xFF11')); // full-width 1

    EXPECT_EQ(submitTarget(L"abc", L"", false), L"abc");
    EXPECT_EQ(submitTarget(L"abc", L"", true), L"abc");
    EXPECT_EQ(submitTarget(L"", L"C:\\f", false), L"C:\\f");
    EXPECT_EQ(submitTarget(L"abc", L"C:\\f", false), L"abc");
    EXPECT_EQ(submitTarget(L"abc", L"C:\\f", true), L"C:\\f");
}

TEST(KeyRules, EscapeUnwindsOneStepAtATime) {
    EXPECT_EQ(escapeStep(false, 2, true), EscapeStep::clearText);
    EXPECT_EQ(escapeStep(true, 2, true), EscapeStep::resetParentLevels);
    EXPECT_EQ(escapeStep(true, -1, false), EscapeStep::resetParentLevels);
    EXPECT_EQ(escapeStep(true, 0, true), EscapeStep::leaveFolder);
    EXPECT_EQ(escapeStep(true, 0, false), EscapeStep::dismiss);
}

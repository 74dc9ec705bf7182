// Timings of the enumeration, listing and filtering over large inputs; run by
// hand with --gtest_also_run_disabled_tests --gtest_filter=*Bench*.
#include "launcher_fixture_win.h"
#include "test_windows_win.h"

#include "launcher/folders/folder_listing_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/tasks/window_enumeration_win.h"

#include <cstdio>

namespace {

template <typename Work>
double millisecondsPerRun(int runs, Work work) {
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) work();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - started;
    return spent.count() / runs;
}

} // namespace

using BenchTest = LauncherWindowTest;

TEST_F(BenchTest, DISABLED_CollectTaskWindowsOverTwoHundredWindows) {
    startLauncher();
    TestWindows windows;
    for (int i = 0; i < 200; ++i) windows.create(L"zqbench " + std::to_wstring(i));
    size_t found = 0;
    const double ms = millisecondsPerRun(50, [&] { found = collectTaskWindows().size(); });
    EXPECT_GE(found, 200u);
    std::printf("collectTaskWindows: %zu tasks, %.2f ms per enumeration\n", found, ms);
}

TEST_F(BenchTest, DISABLED_ListAndFilterTwentyThousandFiles) {
    const std::wstring folder = exeFolder() + L"\\zqbench-files";
    CreateDirectoryW(folder.c_str(), nullptr);
    for (int i = 0; i < 20000; ++i) {
        const std::wstring path = folder + L"\\file" + std::to_wstring(i) + L".txt";
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    }
    startLauncher();
    ViewState& view = *mw().controller->view;
    view.changeFolder(folder);
    const double listMs = millisecondsPerRun(3, [&] { view.allFolderEntries = listFolder(folder); });
    EXPECT_EQ(view.allFolderEntries.size(), 20000u);
    std::printf("listFolder: %zu entries, %.1f ms\n", view.allFolderEntries.size(), listMs);
    std::fflush(stdout);
    for (const wchar_t* query : {L"file1999", L"file199", L"file19", L"file1", L"", L"file1999"}) {
        const double ms = millisecondsPerRun(1, [&] { view.filterFolderEntries(query); });
        std::printf("filterFolderEntries + fillItemView for \"%ls\": %zu rows, %.1f ms\n", query,
                    view.folderEntries.size(), ms);
        std::fflush(stdout);
    }
}

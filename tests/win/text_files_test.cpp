#include "common/folders_win.h"
#include "common/text_files_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

class TextFilesTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = exeFolder() + L"\\textfile-test";
        ensureFolder(folder_);
        path_ = folder_ + L"\\data.txt";
        clear();
    }
    void TearDown() override {
        clear();
        RemoveDirectoryW(folder_.c_str());
    }
    void clear() {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path_.c_str());
    }
    std::string bytes() {
        std::string content;
        readFileBytes(path_, content);
        return content;
    }
    void writeBytes(const std::string& content) {
        ASSERT_TRUE(writeFileAtomically(path_, content, [](void* file, const char* data, unsigned long size) {
            DWORD written = 0;
            return WriteFile(file, data, size, &written, nullptr) && written == size;
        }));
    }
    int filesInFolder() {
        int count = 0;
        WIN32_FIND_DATAW found{};
        const HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
        } while (FindNextFileW(find, &found));
        FindClose(find);
        return count;
    }

    std::wstring folder_;
    std::wstring path_;
};

} // namespace

TEST_F(TextFilesTest, WritesExactBytesAndReadsThemBack) {
    ASSERT_TRUE(writeTextLines(path_, {L"a", L"", L"b"}));
    EXPECT_EQ(bytes(), std::string("a\n\nb\n"));
    EXPECT_EQ(readTextLines(path_), (TextLines{L"a", L"", L"b"}));

    ASSERT_TRUE(writeTextLines(path_, {L"\x30E1\x30E2\x5E33"}));
    EXPECT_EQ(bytes(), std::string("\xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3\n"));
    EXPECT_EQ(filesInFolder(), 1) << "no temporary file is left behind";
}

TEST_F(TextFilesTest, ReadsCrLfByteOrderMarkLastLineWithoutLfAndShiftJis) {
    writeBytes("\xEF\xBB\xBFone\r\ntwo\r\nthree");
    EXPECT_EQ(readTextLines(path_), (TextLines{L"one", L"two", L"three"}));
    writeBytes("\x83\x81\x83\x82\x92\xA0\r\n\x82\xA0"); // メモ帳, あ in code page 932
    EXPECT_EQ(readTextLines(path_), (TextLines{L"\x30E1\x30E2\x5E33", L"\x3042"}));
}

TEST_F(TextFilesTest, ReadOnlyFileIsReadAndMissingFileIsEmpty) {
    EXPECT_TRUE(readTextLines(path_).empty());
    ASSERT_TRUE(writeTextLines(path_, {L"kept"}));
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(readTextLines(path_), (TextLines{L"kept"}));
}

TEST_F(TextFilesTest, FailedWriteKeepsTheOldFileAndRemovesTheTemporary) {
    ASSERT_TRUE(writeTextLines(path_, {L"old", L"content"}));
    const std::string before = bytes();
    int calls = 0;
    const bool written = writeFileAtomically(path_, std::string(3 << 20, 'x'),
                                             [&](void* file, const char* data, unsigned long size) {
                                                 DWORD done = 0;
                                                 // The disk fills up after the first chunk.
                                                 return ++calls == 1 && WriteFile(file, data, size, &done, nullptr);
                                             });
    EXPECT_FALSE(written);
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(TextFilesTest, WriteIntoAMissingFolderFailsQuietly) {
    const std::wstring nowhere = folder_ + L"\\missing\\data.txt";
    EXPECT_FALSE(writeTextLines(nowhere, {L"x"}));
    EXPECT_TRUE(readTextLines(nowhere).empty());
}

#pragma once
// Generated history files in a temporary folder, read and written the way the
// launcher does, for the benchmarks that load the history through the real loader.
#include "launcher/history/history_store.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace bench_files {

namespace fs = std::filesystem;

inline fs::path freshFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / "halvo_bench" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

inline fs::path pathFrom(const std::wstring& path) { return fs::path(utf8FromWide(path)); }

inline std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (!in) return bytes;
    in.seekg(0, std::ios::end);
    bytes.resize(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

inline void writeBytes(const fs::path& path, const std::string& bytes) {
    // Temporary file and rename, as the launcher writes.
    const fs::path temporary = path.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    fs::rename(temporary, path);
}

inline HistoryFolder folderAt(const fs::path& root, const std::wstring& month) {
    HistoryFolder folder;
    const std::wstring prefix = wideFromUtf8(root.string()) + L"/";
    folder.pathOf = [prefix](const std::wstring& name) { return prefix + name; };
    folder.readBytes = [](const std::wstring& path) -> std::optional<std::string> { return readBytes(pathFrom(path)); };
    folder.writeBytes = [](const std::wstring& path, const std::string& bytes) {
        writeBytes(pathFrom(path), bytes);
        return WriteResult::written;
    };
    folder.listEntries = [root]() -> std::optional<std::vector<FolderEntry>> {
        std::vector<FolderEntry> entries;
        for (const auto& entry : fs::directory_iterator(root)) {
            entries.push_back({wideFromUtf8(entry.path().filename().string()), entry.is_directory()});
        }
        return entries;
    };
    folder.localTime = [month](const char*) { return month; };
    return folder;
}

// What users launch: paths, addresses, command lines and Japanese names,
// about 37 characters a line.
inline std::wstring launchedText(size_t i) {
    const std::wstring n = std::to_wstring(i);
    switch (i % 4) {
    case 0: return L"C:\\Users\\taro\\Desktop\\資料\\report" + n + L".pdf";
    case 1: return L"https://example.com/wiki/page" + n + L"?q=" + std::to_wstring(i % 31);
    case 2: return L"exec notepad.exe D:\\logs\\run" + n + L".log";
    default: return L"D:\\写真\\山田太郎の旅行アルバム" + std::to_wstring(i % 50) + L"\\IMG_" + n + L".jpg";
    }
}

inline TextLines launchedTexts(size_t count, size_t offset) {
    TextLines lines;
    lines.reserve(count);
    for (size_t i = 0; i < count; ++i) lines.push_back(launchedText(offset + i));
    return lines;
}

} // namespace bench_files

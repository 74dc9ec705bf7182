#include "text_files_win.h"

#include "scoped_win.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

bool writeWholeChunk(void* file, const char* data, unsigned long size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

std::wstring temporaryPathFor(const std::wstring& path) {
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L".tmp";
}

// Another program has the file open: it lets go in a moment. Anything else
// (no rights, a read-only medium, a full disk, no such folder) stays so.
WriteResult heldOrRefused(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? WriteResult::held
                                                                              : WriteResult::refused;
}

// Why the file cannot be opened to be replaced. When it can, what stood in
// the way (a deletion still pending) was passing: that counts as held.
DWORD errorOpeningToReplace(const std::wstring& path) {
    ScopedFile file(CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() ? ERROR_SHARING_VIOLATION : GetLastError();
}

} // namespace

bool readOpenFile(void* file, std::string& bytes, size_t limit) {
    bytes.clear();
    // Read straight into room for the whole file: copying through a small
    // buffer and growing the text doubled the time for a large history.
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart < (LONGLONG{1} << 31))
        bytes.resize(std::min(static_cast<size_t>(size.QuadPart), limit) + 1);
    size_t filled = 0;
    for (;;) {
        if (filled == bytes.size()) bytes.resize(std::max<size_t>(64 * 1024, bytes.size() * 2));
        const auto room = static_cast<DWORD>(std::min<size_t>(bytes.size() - filled, DWORD{1} << 30));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + filled, room, &read, nullptr)) {
            bytes.clear();
            return false;
        }
        filled += read;
        if (read == 0 || filled > limit) {
            bytes.resize(filled);
            return true;
        }
    }
}

bool readFileBytes(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && readOpenFile(file.get(), bytes, SIZE_MAX);
}

std::wstring wideFromCodePage932(std::string_view bytes) {
    constexpr UINT japanese = 932;
    if (bytes.empty() || bytes.size() > INT_MAX) return {};
    const int size = static_cast<int>(bytes.size());
    std::wstring text(bytes.size(), L'\0'); // never more units than bytes
    text.resize(static_cast<size_t>(MultiByteToWideChar(japanese, 0, bytes.data(), size, text.data(), size)));
    return text;
}

TextLines readTextLines(const std::wstring& path) {
    std::string bytes;
    if (!readFileBytes(path, bytes)) return {};
    return linesFromBytes(bytes, wideFromCodePage932);
}

WriteResult tryWriteFileAtomically(const std::wstring& path, const std::string& bytes, const ChunkWriter& writeChunk) {
    // Replacing would go through on some systems; a read-only file says keep me.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return WriteResult::refused;
    const std::wstring temporary = temporaryPathFor(path);
    bool written = false;
    {
        ScopedFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) return heldOrRefused(GetLastError());
        written = true;
        constexpr size_t chunkSize = 1 << 20;
        for (size_t offset = 0; offset < bytes.size() && written; offset += chunkSize) {
            const size_t size = bytes.size() - offset < chunkSize ? bytes.size() - offset : chunkSize;
            written = writeChunk(file.get(), bytes.data() + offset, static_cast<unsigned long>(size));
        }
        written = written && FlushFileBuffers(file.get());
    }
    WriteResult result = written ? WriteResult::written : WriteResult::refused;
    if (written && !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        // Replacing a file another program has open is refused as access
        // denied, as are the rights that forbid it: asking for the file's
        // deletion access with all sharing tells them apart.
        result = error == ERROR_ACCESS_DENIED ? heldOrRefused(errorOpeningToReplace(path)) : heldOrRefused(error);
    }
    if (result != WriteResult::written) DeleteFileW(temporary.c_str());
    return result;
}

bool writeFileAtomically(const std::wstring& path, const std::string& bytes, const ChunkWriter& writeChunk) {
    return tryWriteFileAtomically(path, bytes, writeChunk) == WriteResult::written;
}

WriteResult tryWriteTextFile(const std::wstring& path, const std::string& bytes) {
    return tryWriteFileAtomically(path, bytes, writeWholeChunk);
}

bool writeTextLines(const std::wstring& path, const TextLines& lines) {
    return writeTextFile(path, bytesFromLines(lines));
}

bool writeTextFile(const std::wstring& path, const std::string& bytes) {
    return writeFileAtomically(path, bytes, writeWholeChunk);
}

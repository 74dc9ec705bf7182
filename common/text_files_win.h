#pragma once
// Whole-file reading and writing of UTF-8 line files.
#include "pending_writes.h"
#include "text_lines.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Code page 932 through the platform's table, for files an older tool saved.
std::wstring wideFromCodePage932(std::string_view bytes);

// A missing or unreadable file gives no lines. Opened for reading only, so a
// read-only file is read like any other. A file that is not UTF-8 is read as
// code page 932; what is written back is UTF-8.
TextLines readTextLines(const std::wstring& path);
bool readFileBytes(const std::wstring& path, std::string& bytes);
// Reads an open file to its end, or stops once it holds more than limit bytes.
bool readOpenFile(void* file, std::string& bytes, size_t limit);

// Writes into a temporary file beside the target and then replaces the
// target, so a failure at any point leaves the old file as it was.
bool writeTextLines(const std::wstring& path, const TextLines& lines);
// The same for a file's bytes made elsewhere.
bool writeTextFile(const std::wstring& path, const std::string& bytes);

// Writes one chunk to an open file; the seam lets tests fail a write part-way.
using ChunkWriter = std::function<bool(void* file, const char* data, unsigned long size)>;
bool writeFileAtomically(const std::wstring& path, const std::string& bytes, const ChunkWriter& writeChunk);
// The same, saying whether a failed write is worth trying again: a target
// another program holds is; a read-only target, or a folder that refuses the
// new file, is not.
WriteResult tryWriteFileAtomically(const std::wstring& path, const std::string& bytes, const ChunkWriter& writeChunk);
WriteResult tryWriteTextFile(const std::wstring& path, const std::string& bytes);

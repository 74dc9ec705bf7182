#include "common/folders_win.h"
#include "halvo_version.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::wstring versionString(const std::wstring& program, const wchar_t* name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    if (size == 0) return L"";
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(program.c_str(), 0, size, block.data())) return L"";
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
    if (!VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length)) return L"";
    return value;
}

} // namespace

TEST(VersionInfo, BothProgramsCarryTheirVersion) {
    const std::wstring dist = exeFolder() + L"\\..\\dist\\";
    for (const wchar_t* program : {L"Halvorunde.exe", L"Halvotune.exe"}) {
        EXPECT_EQ(versionString(dist + program, L"FileVersion"), L"" HALVO_VERSION_QUAD) << program;
        EXPECT_EQ(versionString(dist + program, L"OriginalFilename"), program);
        EXPECT_EQ(versionString(dist + program, L"ProductName"), L"Halvorunde");
    }
}

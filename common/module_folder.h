#pragma once
// The folder of the running program, found from its module file name at any
// path length.
#include <functional>
#include <string>

// Fills the buffer of the given size with the module's file name as
// GetModuleFileNameW does: returns the length, the size itself when the name
// did not fit, 0 on failure.
using ModuleNameReader = std::function<unsigned long(wchar_t* buffer, unsigned long size)>;

// The folder without a trailing backslash, or empty text when the name cannot
// be had whole: a cut name would give another folder.
std::wstring moduleFolder(const ModuleNameReader& readName);

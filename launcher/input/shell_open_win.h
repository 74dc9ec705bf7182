#pragma once
// The shell open at the end of every launch.
#include <functional>
#include <string>

// Opens a file, program or folder with the shell verb "open"; parameters may
// be null. The result is not examined: a target that cannot be opened is
// still recorded and the window hidden.
void openWithShell(const std::wstring& file, const wchar_t* parameters);

using ShellOpenFunction = std::function<void(const std::wstring& file, const wchar_t* parameters)>;

// Tests observe launches through this seam; an empty function restores the shell.
void replaceShellOpen(ShellOpenFunction function);

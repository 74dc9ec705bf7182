#pragma once
// Where a bare program name is looked for before the shell gets it: where
// the shell itself would look, minus the launcher's own folder and the current
// folder, which it searches first. A program planted beside the launcher
// (anything lying in Downloads) must never run in place of the system's.
#include <functional>
#include <string>
#include <string_view>

// What the search reads of the system; a seam for the tests.
struct ProgramPlaces {
    // The App Paths entry of a file name ("notepad.exe"), empty when there is none.
    std::function<std::wstring(const std::wstring& fileName)> currentUserAppPath;
    std::function<std::wstring(const std::wstring& fileName)> machineAppPath;
    std::function<bool(const std::wstring& path)> isFile;
    std::wstring systemFolder;
    std::wstring windowsFolder;
    std::wstring path;    // the folders of PATH
    std::wstring pathExt; // the extensions of PATHEXT
};

// No drive, no backslash, no slash: a name the shell would search for.
bool isBareName(std::wstring_view text);

// The full path of the program a bare name stands for: App Paths (the
// user's, then the machine's), System32, the Windows folder, then the
// absolute folders of PATH, each with the extensions of PATHEXT unless the
// name has one. Anything else goes to the shell as it is: paths, URLs,
// "shell:" names, and names found nowhere.
std::wstring resolveProgram(const std::wstring& text, const ProgramPlaces& places);

#pragma once
// The settings tool stops the launcher while it runs and starts it again
// when it ends, so that the launcher reads the changed files.
#include <string>

// Posts WM_CLOSE to every top-level window of the launcher's class, whatever its title.
void closeLauncher();

// Opens "Halvorunde.exe" in the folder, only if it is a regular file; true
// when it was handed to the shell.
bool startLauncherFrom(const std::wstring& folder);
void startLauncher();

#pragma once
// The launcher's start: its objects, the run-or-configure decision, the
// single instance, the main window and the message loop.
#include <windows.h>

// Builds the process-wide objects in their fixed order; this also creates
// the data folders and reads every data file.
void createLauncherObjects();

// Runs the whole program and returns its exit code.
int runLauncher(HINSTANCE instance, const wchar_t* commandLine, int showCommand);

void registerMainWindowClass(HINSTANCE instance);
// Creates, titles and fills the main window; null when creation fails.
HWND createMainWindow(HINSTANCE instance);

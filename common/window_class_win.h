#pragma once
// The class of each program's main window.
#include <windows.h>

struct ProgramWindowClass {
    WNDPROC procedure = nullptr;
    // The string resource with the class name, and the menu: one id for both.
    int nameAndMenuId = 0;
    int iconId = 0;
    int smallIconId = 0;
};

// Redrawn whole when resized, the arrow cursor over the window colour; name,
// menu and icons from the program's resources.
void registerProgramWindowClass(HINSTANCE instance, const ProgramWindowClass& program);

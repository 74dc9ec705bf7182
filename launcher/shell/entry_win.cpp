#include "startup_win.h"

#include "common/com_apartment_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    // Libraries loaded later by name come from System32, never from our own folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // For the shell calls that stay on this thread (the icons of files).
    const ComApartment apartment;
    return runLauncher(instance, commandLine, showCommand);
}

#include "settings_window_win.h"

#include "common/com_apartment_win.h"
#include "common/folders_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Libraries loaded later by name come from System32, never from our own folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // The settings tool starts the launcher through the shell on this thread.
    const ComApartment apartment;
    if (!exeFolderFound()) return 0;
    // The files come first: the window shows what they hold.
    prepareSettingsFiles(exeFolder() + L"\\config");
    return runSettingsTool(instance, showCommand);
}

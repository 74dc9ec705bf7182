#include "startup_win.h"

#include "common/com_apartment_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    // Every shell call of the launcher runs on this thread.
    const ComApartment apartment;
    return runLauncher(instance, commandLine, showCommand);
}

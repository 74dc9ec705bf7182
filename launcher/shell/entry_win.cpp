#include "startup_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
    return runLauncher(instance, commandLine, showCommand);
}

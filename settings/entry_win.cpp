#include "settings_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return runSettingsTool(instance, showCommand);
}

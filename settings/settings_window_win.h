#pragma once
#include <windows.h>

int runSettingsTool(HINSTANCE instance, int showCommand);

#pragma once
// How the settings tool recognises the launcher's main window.
#include <string_view>

// Its title begins "Halvorunde V" (the launcher's version follows), exactly,
// case and all.
bool isLauncherTitle(std::wstring_view title);

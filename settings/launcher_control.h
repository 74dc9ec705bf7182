#pragma once
// How the settings tool recognises the launcher's main window.
#include <string_view>

// Its window class is "HALVORUNDE"; class names compare without regard to
// case. The title is no guide: a second start replaces it, and a browser tab
// or a folder may carry the launcher's title prefix.
bool isLauncherClass(std::wstring_view className);

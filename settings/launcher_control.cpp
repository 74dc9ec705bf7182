#include "launcher_control.h"

bool isLauncherTitle(std::wstring_view title) {
    constexpr std::wstring_view prefix = L"Halvorunde V";
    return title.substr(0, prefix.size()) == prefix;
}

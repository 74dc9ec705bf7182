#include "launcher_control.h"

#include <algorithm>

bool isLauncherClass(std::wstring_view className) {
    constexpr std::wstring_view launcherClass = L"HALVORUNDE";
    const auto upper = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; };
    return className.size() == launcherClass.size() &&
           std::equal(className.begin(), className.end(), launcherClass.begin(),
                      [&](wchar_t a, wchar_t b) { return upper(a) == b; });
}

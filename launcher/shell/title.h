#pragma once
#include <string>

// "1M", "3M", "6M", "1Y", "2Y", "ALL" for 0, empty for anything else.
std::wstring periodLabel(int historyMonths);

// The main window's title; the settings tool finds the launcher by its start.
std::wstring launcherTitle(int historyMonths);

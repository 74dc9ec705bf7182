#include "title.h"

#include "halvo_version.h"

std::wstring periodLabel(int historyMonths) {
    switch (historyMonths) {
    case 0: return L"ALL";
    case 1: return L"1M";
    case 3: return L"3M";
    case 6: return L"6M";
    case 12: return L"1Y";
    case 24: return L"2Y";
    default: return L"";
    }
}

std::wstring launcherTitle(int historyMonths) {
    return L"Halvorunde Ver" HALVO_VERSION_TEXT " " + periodLabel(historyMonths);
}

#pragma once
// The launcher's settings: "config.txt" (the user's) and "config.ini" (its own window state).
#include "common/text_lines.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

struct ConfigStore {
    int32_t x = 100;
    int32_t y = 60;
    int32_t width = 800;
    int32_t height = 600;
    int32_t historyMonths = 0;
    uint32_t showHotkeyKey = 0;
    uint32_t showHotkeyModifiers = 0;
    std::wstring statusText;
    std::wstring inputText;
    std::unordered_map<std::wstring, std::wstring> settingsMap;
    std::wstring windowStateFile;
    std::vector<std::wstring> notShowTaskList;
    std::vector<std::wstring> autoCloseList;
    std::vector<std::wstring> notShowListList;

    bool hasKey(const std::wstring& key) const;
    std::wstring valueOf(const std::wstring& key) const;
    bool isOn(const std::wstring& key) const;
    uint32_t colourOf(const std::wstring& name) const;
};

// Reads the show hotkey from the lines of "config.txt".
void readShowHotkey(ConfigStore& config, const TextLines& configLines);

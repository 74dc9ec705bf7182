#include "config_store.h"

#include "common/numbers.h"
#include "common/profile_reader.h"

#include <initializer_list>

bool ConfigStore::hasKey(const std::wstring& key) const {
    return settingsMap.count(key) != 0;
}

std::wstring ConfigStore::valueOf(const std::wstring& key) const {
    const auto found = settingsMap.find(key);
    return found == settingsMap.end() ? std::wstring() : found->second;
}

bool ConfigStore::isOn(const std::wstring& key) const {
    return valueOf(key) == L"1";
}

uint32_t ConfigStore::colourOf(const std::wstring& name) const {
    uint32_t colour = 0;
    int shift = 0;
    for (const wchar_t* suffix : {L"R", L"G", L"B"}) {
        const std::wstring key = name + suffix;
        const long component = hasKey(key) ? leadingIntOr(valueOf(key), 255) : 255;
        colour |= (static_cast<uint32_t>(component) & 0xFFu) << shift;
        shift += 8;
    }
    return colour;
}

void readShowHotkey(ConfigStore& config, const TextLines& configLines) {
    config.showHotkeyKey = static_cast<uint32_t>(profileInt(configLines, L"hotkey", L"hotkey"));
    config.showHotkeyModifiers = static_cast<uint32_t>(profileInt(configLines, L"hotkey", L"hotkey2"));
}

#include "config_store.h"

#include "common/numbers.h"
#include "common/profile_reader.h"

#include <initializer_list>

namespace {

const std::wstring* findValue(const SettingsMap& map, const std::wstring& key) {
    const auto found = map.find(key);
    return found == map.end() ? nullptr : &found->second;
}

// A present key replaces the list; an absent one leaves the previous list in force.
TextList listOr(const SettingsMap& map, const std::wstring& key, const TextList& previous) {
    const std::wstring* value = findValue(map, key);
    return value ? splitFields(*value, L',') : previous;
}

int32_t intAfterPrefix(const std::wstring& line, int32_t fallback) {
    if (line.size() < 2) return fallback;
    return static_cast<int32_t>(leadingIntOr(std::wstring_view(line).substr(2), fallback));
}

std::wstring textAfterPrefix(const std::wstring& line) {
    return line.size() < 2 ? std::wstring() : line.substr(2);
}

} // namespace

std::shared_ptr<const SettingsSnapshot> ConfigStore::settings() const {
    std::lock_guard<std::mutex> hold(settingsLock_);
    return settings_;
}

void ConfigStore::replaceSettings(std::shared_ptr<const SettingsSnapshot> next) {
    std::lock_guard<std::mutex> hold(settingsLock_);
    settings_.swap(next);
}

bool ConfigStore::hasKey(const std::wstring& key) const {
    const auto snapshot = settings();
    return findValue(snapshot->settingsMap, key) != nullptr;
}

std::wstring ConfigStore::valueOf(const std::wstring& key) const {
    const auto snapshot = settings();
    const std::wstring* value = findValue(snapshot->settingsMap, key);
    return value ? *value : std::wstring();
}

bool ConfigStore::isOn(const std::wstring& key) const {
    return valueOf(key) == L"1";
}

uint32_t ConfigStore::colourOf(const std::wstring& name) const {
    const auto snapshot = settings();
    uint32_t colour = 0;
    int shift = 0;
    for (const wchar_t* suffix : {L"R", L"G", L"B"}) {
        const std::wstring* value = findValue(snapshot->settingsMap, name + suffix);
        const long component = value ? leadingIntOr(*value, 255) : 255;
        colour |= (static_cast<uint32_t>(component) & 0xFFu) << shift;
        shift += 8;
    }
    return colour;
}

TextList ConfigStore::notShowTaskList() const { return settings()->notShowTaskList; }
TextList ConfigStore::autoCloseList() const { return settings()->autoCloseList; }
TextList ConfigStore::notShowListList() const { return settings()->notShowListList; }

std::wstring kanaDictionaryPath(const ConfigStore& config, const std::wstring& configFolder) {
    const std::wstring named = config.valueOf(L"kanaDictionary");
    const auto separator = [](wchar_t unit) { return unit == L'\\' || unit == L'/'; };
    // As PathIsRelative has it: a drive or a leading separator is not relative.
    const bool absolute = (!named.empty() && separator(named[0])) || (named.size() >= 2 && named[1] == L':');
    if (named.empty() || absolute || configFolder.empty()) return named;
    return separator(configFolder.back()) ? configFolder + named : configFolder + L"\\" + named;
}

KanaMatching kanaMatchingOf(const ConfigStore& config, const ReadingDictionary* dictionary) {
    return {config.isOn(L"kanaMatch"), dictionary};
}

SettingsMap parseSettings(const TextLines& configLines) {
    SettingsMap map;
    for (const std::wstring& line : configLines) {
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals + 1 == line.size()) continue;
        map[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return map;
}

void applySettings(ConfigStore& config, const TextLines& configLines) {
    config.showHotkeyKey = static_cast<uint32_t>(profileInt(configLines, L"hotkey", L"hotkey"));
    config.showHotkeyModifiers = static_cast<uint32_t>(profileInt(configLines, L"hotkey", L"hotkey2"));
    const auto previous = config.settings();
    auto next = std::make_shared<SettingsSnapshot>();
    next->settingsMap = parseSettings(configLines);
    next->autoCloseList = listOr(next->settingsMap, L"autoClose", previous->autoCloseList);
    next->notShowListList = listOr(next->settingsMap, L"notShowList", previous->notShowListList);
    next->notShowTaskList = listOr(next->settingsMap, L"notShowTask", previous->notShowTaskList);
    config.replaceSettings(std::move(next));
}

bool readWindowState(ConfigStore& config, const TextLines& iniLines) {
    const bool complete = iniLines.size() >= 7;
    const auto line = [&](size_t i) { return complete ? iniLines[i] : std::wstring(); };
    config.x = intAfterPrefix(line(0), 100);
    config.y = intAfterPrefix(line(1), 60);
    config.height = intAfterPrefix(line(2), 600);
    config.width = intAfterPrefix(line(3), 800);
    config.statusText = textAfterPrefix(line(4));
    config.inputText = textAfterPrefix(line(5));
    config.historyMonths = intAfterPrefix(line(6), 0);
    return complete;
}

TextLines windowStateLines(const ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText) {
    return {
        L"x=" + decimalText(config.x),
        L"y=" + decimalText(config.y),
        L"h=" + decimalText(config.height),
        L"w=" + decimalText(config.width),
        L"l=" + statusText,
        L"t=" + inputText,
        L"m=" + decimalText(config.historyMonths),
    };
}

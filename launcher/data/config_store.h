#pragma once
// The launcher's settings: "config.txt" (the user's) and "config.ini" (its own window state).
#include "common/kana_query.h"
#include "common/text_lines.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

using SettingsMap = std::unordered_map<std::wstring, std::wstring>;
using TextList = std::vector<std::wstring>;

// What a reload of "config.txt" replaces, as one unit. A reload builds a new
// snapshot and swaps it in; readers keep the one they hold until they let go.
struct SettingsSnapshot {
    SettingsMap settingsMap;
    TextList notShowTaskList;
    TextList autoCloseList;
    TextList notShowListList;
};

// Threads: the window state and the hotkey integers belong to the user-interface
// thread. The map and the three lists may be read from any thread (the task
// refresh reads autoCloseList and notShowTaskList, colours may be looked up while
// it dismisses the window); they are reached only through the functions below,
// which take a snapshot under a short lock, so a reload never tears them.
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
    std::wstring windowStateFile;

    // Only keys with a non-empty value are stored.
    bool hasKey(const std::wstring& key) const;
    // The stored value, or empty text.
    std::wstring valueOf(const std::wstring& key) const;
    // The value is exactly "1".
    bool isOn(const std::wstring& key) const;
    // name + "R", "G", "B", each reduced to 8 bits; a missing or non-numeric one is 255.
    uint32_t colourOf(const std::wstring& name) const;

    // Copies of the comma lists of "notShowTask", "autoClose", "notShowList".
    TextList notShowTaskList() const;
    TextList autoCloseList() const;
    TextList notShowListList() const;

    // The whole current snapshot, for a reader that needs several values consistently.
    std::shared_ptr<const SettingsSnapshot> settings() const;
    void replaceSettings(std::shared_ptr<const SettingsSnapshot> next);

private:
    mutable std::mutex settingsLock_;
    std::shared_ptr<const SettingsSnapshot> settings_ = std::make_shared<const SettingsSnapshot>();
};

// The file kanaDictionary names: an absolute path as it is, another relative
// to the folder of config.txt; empty without the key.
std::wstring kanaDictionaryPath(const ConfigStore& config, const std::wstring& configFolder);
// kanaMatch as the matching functions take it, with the dictionary once it has loaded.
KanaMatching kanaMatchingOf(const ConfigStore& config, const ReadingDictionary* dictionary);

// Every line with "=" defines key = value, whatever its section; nothing is
// trimmed, an empty value is skipped, a later line replaces an earlier one.
SettingsMap parseSettings(const TextLines& configLines);

// Takes in the lines of "config.txt": the show hotkey, a new map, and each
// list whose key is present; a list whose key is absent keeps its old entries.
void applySettings(ConfigStore& config, const TextLines& configLines);

// Reads the window state from the lines of "config.ini". Fewer than seven
// lines give all the defaults; a number that cannot be read gives its field's default.
// False when the lines held no window state, so the defaults were taken.
bool readWindowState(ConfigStore& config, const TextLines& iniLines);

// The seven lines of "config.ini": x, y, h, w, l, t, m (height before width).
TextLines windowStateLines(const ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText);

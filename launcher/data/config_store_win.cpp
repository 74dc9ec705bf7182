#include "config_store_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

ConfigStore* createConfigStore() {
    auto* config = new ConfigStore();
    config->windowStateFile = configFilePath(L"config.ini");
    readShowHotkey(*config, readTextLines(configFilePath(L"config.txt")));
    return config;
}

void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText) {
}

void reloadSettings(ConfigStore& config) {
    readShowHotkey(config, readTextLines(configFilePath(L"config.txt")));
}

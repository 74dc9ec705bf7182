#include "config_store_win.h"

#include "common/folders_win.h"
#include "common/text_files_win.h"

ConfigStore* createConfigStore() {
    auto* config = new ConfigStore();
    config->windowStateFile = configFilePath(L"config.ini");
    readWindowState(*config, readTextLines(config->windowStateFile));
    reloadSettings(*config);
    return config;
}

void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText) {
    writeTextLines(config.windowStateFile, windowStateLines(config, statusText, inputText));
}

void reloadSettings(ConfigStore& config) {
    applySettings(config, readTextLines(configFilePath(L"config.txt")));
}

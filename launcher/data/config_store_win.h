#pragma once
#include "config_store.h"

// Builds the store from the files in the config folder.
ConfigStore* createConfigStore();

// Writes "config.ini" with the window state and the two texts of the moment.
void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText);
void reloadSettings(ConfigStore& config);

#pragma once
#include "config_store.h"

// Builds the store: the window state from "config.ini", then "config.txt".
ConfigStore* createConfigStore();

// Writes "config.ini" with the window state and the two texts of the moment.
void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText);

// Reads "config.txt" again (start and the reload command).
void reloadSettings(ConfigStore& config);

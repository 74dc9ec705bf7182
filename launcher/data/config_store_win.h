#pragma once
#include "config_store.h"
#include "common/file_writer.h"

// Builds the store: the window state from "config.ini", then "config.txt".
ConfigStore* createConfigStore();

// Hands "config.ini" with the window state and the two texts of the moment to the writer.
void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText,
                     FileWriter& writer);

// Reads "config.txt" again (start and the reload command).
void reloadSettings(ConfigStore& config);

#pragma once
#include "config_store.h"
#include "common/pending_writes.h"

// Builds the store: the window state from "config.ini", then "config.txt".
ConfigStore* createConfigStore();

// Writes "config.ini" with the window state and the two texts of the moment;
// while another program holds the file, the write waits among the others.
void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText,
                     PendingWrites& writes);

// Reads "config.txt" again (start and the reload command).
void reloadSettings(ConfigStore& config);

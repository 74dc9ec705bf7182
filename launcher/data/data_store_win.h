#pragma once
#include "data_store.h"

DataStore* createDataStore(ConfigStore* config);

void reloadLists(DataStore& data);
void saveHistoryLists(DataStore& data);

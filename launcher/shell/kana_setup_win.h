#pragma once
// kanaMatch and kanaDictionary at start and on the reload command.
#include "main_window_record_win.h"

// Asks for the dictionary the settings name and folds the history ahead of
// the first keystroke; without kanaMatch no dictionary is held.
void requestKanaDictionary(MainWindow& mainWindow);
// The worker's answer: adopted, it widens the query already typed.
LRESULT onDictionaryLoaded(MainWindow& mainWindow, LPARAM answer);

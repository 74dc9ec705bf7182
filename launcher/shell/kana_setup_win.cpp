#include "kana_setup_win.h"

#include "common/folders_win.h"
#include "launcher/data/config_store.h"
#include "launcher/data/data_store.h"
#include "launcher/input/controller_win.h"

void requestKanaDictionary(MainWindow& mw) {
    const bool on = mw.config->isOn(L"kanaMatch");
    requestDictionary(mw.dictionaryLoad, mw.window, on ? kanaDictionaryPath(*mw.config, configFilePath(L"")) : L"");
    if (on) mw.data->historyList.foldedUnits();
}

LRESULT onDictionaryLoaded(MainWindow& mw, LPARAM answer) {
    if (adoptDictionary(mw.dictionaryLoad, answer) && GetWindowTextLengthW(mw.inputLine) > 0)
        mw.controller->onInputChanged();
    return 0;
}

KanaMatching kanaMatching(const MainWindow& mw) {
    return kanaMatchingOf(*mw.config, mw.dictionaryLoad.dictionary.get());
}

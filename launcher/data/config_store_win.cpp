#include "config_store_win.h"

#include "common/display_scale_win.h"
#include "common/dpi_scale.h"
#include "common/folders_win.h"
#include "common/text_files_win.h"

ConfigStore* createConfigStore() {
    auto* config = new ConfigStore();
    config->windowStateFile = configFilePath(L"config.ini");
    if (!readWindowState(*config, readTextLines(config->windowStateFile))) {
        // The default size is for 96 dpi; a saved one is in the system's dpi already.
        const int dpi = systemDpi();
        config->width = scaledToDpi(config->width, dpi);
        config->height = scaledToDpi(config->height, dpi);
    }
    reloadSettings(*config);
    return config;
}

void saveWindowState(ConfigStore& config, const std::wstring& statusText, const std::wstring& inputText,
                     FileWriter& writer) {
    const std::wstring& path = config.windowStateFile;
    writer.write(path, [path, bytes = bytesFromLines(windowStateLines(config, statusText, inputText))] {
        return tryWriteTextFile(path, bytes);
    });
}

void reloadSettings(ConfigStore& config) {
    applySettings(config, readTextLines(configFilePath(L"config.txt")));
}

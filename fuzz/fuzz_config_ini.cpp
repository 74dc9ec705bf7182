// config.ini: whatever the file holds, the numbers read survive a save and a read.
#include "launcher/data/config_store.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigStore config;
    readWindowState(config, linesFromBytes(std::string_view(reinterpret_cast<const char*>(data), size)));
    const TextLines saved = windowStateLines(config, config.statusText, config.inputText);
    if (saved.size() != 7) std::abort();
    ConfigStore back;
    readWindowState(back, linesFromBytes(bytesFromLines(saved)));
    if (back.x != config.x || back.y != config.y || back.width != config.width || back.height != config.height ||
        back.historyMonths != config.historyMonths) {
        std::abort();
    }
    return 0;
}

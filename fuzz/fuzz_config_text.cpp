// config.txt: the settings map, the show hotkey, the lists and a reload over them.
#include "launcher/data/config_store.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const size_t half = bytes.find('\f');
    ConfigStore config;
    applySettings(config, linesFromBytes(bytes.substr(0, half)));
    const TextList firstAutoClose = config.autoCloseList();
    if (half != std::string_view::npos) {
        const TextLines reload = linesFromBytes(bytes.substr(half + 1));
        applySettings(config, reload);
        // A reload without the key keeps the list it had.
        if (!config.hasKey(L"autoClose") && config.autoCloseList() != firstAutoClose) std::abort();
    }
    for (const auto& [key, value] : config.settings()->settingsMap) {
        if (value.empty() || !config.hasKey(key) || config.valueOf(key) != value) std::abort();
    }
    for (const std::wstring& entry : config.notShowTaskList()) {
        if (entry.empty() || entry.find(L',') != std::wstring::npos) std::abort();
    }
    if (config.colourOf(L"list") > 0xFFFFFFu) std::abort();
    config.isOn(L"startHide");
    return 0;
}

#include "test_input_win.h"

namespace {

void send(std::vector<INPUT>& inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_DELETE)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

INPUT unicodeInput(wchar_t character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void pressKeys(const std::vector<WORD>& keys, const std::vector<WORD>& held) {
    std::vector<WORD> combination = held;
    combination.insert(combination.end(), keys.begin(), keys.end());
    std::vector<INPUT> inputs;
    for (WORD key : combination) inputs.push_back(keyInput(key, false));
    for (auto it = combination.rbegin(); it != combination.rend(); ++it) inputs.push_back(keyInput(*it, true));
    send(inputs);
}

void typeText(const std::wstring& text, bool withShift) {
    std::vector<INPUT> inputs;
    if (withShift) inputs.push_back(keyInput(VK_SHIFT, false));
    for (wchar_t character : text) {
        inputs.push_back(unicodeInput(character, false));
        inputs.push_back(unicodeInput(character, true));
    }
    if (withShift) inputs.push_back(keyInput(VK_SHIFT, true));
    send(inputs);
}

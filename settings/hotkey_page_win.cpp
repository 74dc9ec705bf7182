#include "hotkey_page_win.h"

#include "default_files_win.h"
#include "file_saving_win.h"
#include "key_capture.h"
#include "key_names.h"
#include "common/controls_win.h"
#include "common/profile_reader.h"
#include "common/profile_writer.h"
#include "common/text_files_win.h"

#include <string>

namespace {

bool isChecked(HWND check) {
    return SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void setChecked(HWND check, bool checked) {
    SendMessageW(check, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool writeChunk(void* file, const char* data, unsigned long size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

// The modifiers held with the key tick their boxes; ticked boxes stay ticked.
void tickHeldModifiers(const HotkeyEditor& editor, int code) {
    const ModifierChecks held{keyDown(VK_CONTROL), keyDown(VK_MENU), keyDown(VK_SHIFT),
                              keyDown(VK_LWIN) || keyDown(VK_RWIN)};
    const ModifierChecks tick = heldModifierChecks(code, held);
    if (tick.ctrl) setChecked(editor.ctrlCheck, true);
    if (tick.alt) setChecked(editor.altCheck, true);
    if (tick.shift) setChecked(editor.shiftCheck, true);
    if (tick.windows) setChecked(editor.windowsCheck, true);
}

void captureKey(HotkeyEditor& editor, int code) {
    editor.keyCode = code;
    SetWindowTextW(editor.keyEdit, code == 0 ? L"" : keyName(code).c_str());
    tickHeldModifiers(editor, code);
}

LRESULT onKeyEditKeyDown(SettingsWindow& sw, WPARAM key) {
    // While the IME composes, every key arrives as its stand-in code.
    if (key != unnamedKey && key != imeProcessKey) captureKey(*sw.editor, static_cast<int>(key));
    return keySwallowed;
}

// Keys pressed with Alt held come as system keys; F10 alone stays the menu's.
bool altHeld(LPARAM lParam) {
    return (lParam & (LPARAM{1} << 29)) != 0;
}

LRESULT onKeyEditKeyUp(SettingsWindow& sw, WPARAM key) {
    if (key == VK_TAB) {
        // On the basic page the command field is hidden: the focus stays.
        if (!sw.onBasicPage) SetFocus(sw.editor->commandEdit);
        return keySwallowed;
    }
    updateButtons(sw);
    return keySwallowed;
}

LRESULT handleKeyEdit(SettingsWindow& sw, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!sw.editor) return CallWindowProcW(sw.standardEditProcedure, edit, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN: return onKeyEditKeyDown(sw, wParam);
    case WM_CHAR: return keySwallowed;
    case WM_KEYUP: return onKeyEditKeyUp(sw, wParam);
    case WM_SYSKEYDOWN:
        if (altHeld(lParam)) return onKeyEditKeyDown(sw, wParam);
        break;
    case WM_SYSCHAR:
        if (altHeld(lParam)) return keySwallowed; // no menu mnemonic for a captured key
        break;
    case WM_SYSKEYUP:
        if (altHeld(lParam) || wParam == VK_MENU) return onKeyEditKeyUp(sw, wParam);
        break;
    // The field only ever shows the captured key: text from the context menu
    // would be saved under the old key code.
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_CONTEXTMENU: return 0;
    default: break;
    }
    return CallWindowProcW(sw.standardEditProcedure, edit, message, wParam, lParam);
}

} // namespace

int modifierBitsOf(const HotkeyEditor& editor) {
    return modifierBits({isChecked(editor.ctrlCheck), isChecked(editor.altCheck), isChecked(editor.shiftCheck),
                         isChecked(editor.windowsCheck)});
}

void setModifierChecks(const HotkeyEditor& editor, int bits) {
    const ModifierChecks checks = modifierChecks(bits);
    setChecked(editor.ctrlCheck, checks.ctrl);
    setChecked(editor.altCheck, checks.alt);
    setChecked(editor.shiftCheck, checks.shift);
    setChecked(editor.windowsCheck, checks.windows);
}

void flipCheck(HWND check) {
    setChecked(check, !isChecked(check));
}

bool readMainHotkey(SettingsWindow& sw) {
    const TextLines lines = readTextLines(configPath);
    const long key = profileInt(lines, L"hotkey", L"hotkey", 0);
    const long bits = profileInt(lines, L"hotkey", L"hotkey2", 0);
    HotkeyEditor& editor = *sw.editor;
    setModifierChecks(editor, static_cast<int>(bits));
    editor.keyCode = static_cast<int>(key);
    if (key != 0) {
        SetWindowTextW(editor.keyEdit, keyName(key).c_str());
        return false;
    }
    SetWindowTextW(editor.keyEdit, L"");
    return bits == 0;
}

WriteResult writeShowHotkey(const std::wstring& path, long keyCode, int bits) {
    std::string bytes;
    if (!readFileBytes(path, bytes) && !fileMissing(path)) return WriteResult::held;
    // Lines added in UTF-8 to a UTF-16 file would leave it readable by neither
    // program: the whole file becomes UTF-8 first.
    if (hasUtf16ByteOrderMark(bytes)) bytes = utf8FromUtf16File(bytes);
    const std::string updated = withProfileValues(
        bytes, "hotkey", {{"hotkey", std::to_string(keyCode)}, {"hotkey2", std::to_string(bits)}});
    return tryWriteFileAtomically(path, updated, writeChunk);
}

bool showHotkeySaved() {
    return profileInt(readTextLines(configPath), L"hotkey", L"hotkey", 0) != 0;
}

bool refuseTypingHotkey(const SettingsWindow& sw) {
    if (!takesTypingFromEveryProgram(sw.editor->keyCode, modifierBitsOf(*sw.editor))) return false;
    MessageBoxW(sw.window,
                L"文字を入力するキーだけのホットキーは設定できません。\n"
                L"どのプログラムでもそのキーが打てなくなるため、Ctrl、Alt、Windows のいずれかと組み合わせてください。",
                L"ホットキーの設定", MB_OK | MB_ICONWARNING);
    return true;
}

void saveMainHotkey(SettingsWindow& sw) {
    if (refuseTypingHotkey(sw)) return;
    const std::wstring path = configPath;
    const long key = sw.editor->keyCode;
    const int bits = modifierBitsOf(*sw.editor);
    saveSettingsFile(path, [path, key, bits] { return writeShowHotkey(path, key, bits); });
}

void mainHotkeySaved(SettingsWindow& sw) {
    // The other page may be shown by the time a slow share answers.
    if (sw.onBasicPage) EnableWindow(sw.saveButton, FALSE);
    EnableWindow(sw.pageButton, TRUE);
    EnableWindow(sw.quitSettingsButton, TRUE);
}

void updateBasicPageButtons(SettingsWindow& sw) {
    EnableWindow(sw.addButton, FALSE);
    EnableWindow(sw.saveButton, GetWindowTextLengthW(sw.editor->keyEdit) > 0);
}

const WNDPROC keyEditProcedure =
    subclassProcedure<theSettingsWindow, &SettingsWindow::standardEditProcedure, handleKeyEdit>;

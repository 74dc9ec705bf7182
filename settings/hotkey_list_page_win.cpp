#include "hotkey_list_page_win.h"

#include "default_files_win.h"
#include "file_saving_win.h"
#include "hotkey_page_win.h"
#include "key_names.h"
#include "common/character_codes.h"
#include "common/controls_win.h"
#include "common/dpi_scale.h"
#include "common/numbers.h"
#include "common/text_files_win.h"

#include <commctrl.h>

namespace {

void setItemText(HWND listView, int item, int column, const std::wstring& text) {
    std::wstring copy = text;
    LVITEMW entry{};
    entry.iSubItem = column;
    entry.pszText = copy.data();
    SendMessageW(listView, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&entry));
}

void insertItem(HWND listView, int item, const std::wstring& text) {
    std::wstring copy = text;
    LVITEMW entry{};
    entry.mask = LVIF_TEXT;
    entry.iItem = item;
    entry.pszText = copy.data();
    SendMessageW(listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

// The width is for 96 dpi.
void insertColumn(HWND listView, int index, const wchar_t* title, int width, int dpi) {
    std::wstring text = title;
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = scaledToDpi(width, dpi);
    column.pszText = text.data();
    SendMessageW(listView, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

// Removes the selected row; false when nothing is selected.
bool removeSelectedRow(SettingsWindow& sw) {
    const int selected = selectedRow(sw);
    if (selected < 0) return false;
    theHotkeyList->rows.erase(theHotkeyList->rows.begin() + selected);
    return true;
}

LRESULT handleCommandEdit(SettingsWindow& sw, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!sw.editor) return CallWindowProcW(sw.standardEditProcedure, edit, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == unnamedKey) return keySwallowed;
        if (wParam == VK_ESCAPE) SetWindowTextW(edit, L"");
        break;
    case WM_KEYUP:
        if (wParam == unnamedKey) return keySwallowed;
        if (wParam == VK_TAB) {
            SetFocus(sw.editor->keyEdit);
            return keySwallowed;
        }
        updateButtons(sw);
        break;
    case WM_CHAR:
        // A TAB would split the row into more fields than it was written with.
        if (wParam == unnamedKey || wParam == escapeCharacter || wParam == tabCharacter) return keySwallowed;
        break;
    default: break;
    }
    return CallWindowProcW(sw.standardEditProcedure, edit, message, wParam, lParam);
}

} // namespace

HotkeyList* loadHotkeyList(const std::wstring& path) {
    auto* list = new HotkeyList();
    list->path = path;
    readHotkeyRows(*list);
    return list;
}

void readHotkeyRows(HotkeyList& list) {
    std::string bytes;
    list.fileRead = readFileBytes(list.path, bytes) || fileMissing(list.path);
    list.rows = hotkeyRowsFromLines(linesFromBytes(bytes, wideFromCodePage932));
}

constexpr int pathWidthAt96 = 600;
constexpr int dataWidthAt96 = 100;

void insertHotkeyColumns(HWND listView, int dpi) {
    insertColumn(listView, 0, L"PATH", pathWidthAt96, dpi);
    insertColumn(listView, 1, L"DATA", dataWidthAt96, dpi);
}

void scaleHotkeyColumns(HWND listView, int dpi) {
    ListView_SetColumnWidth(listView, 0, scaledToDpi(pathWidthAt96, dpi));
    ListView_SetColumnWidth(listView, 1, scaledToDpi(dataWidthAt96, dpi));
}

void refreshHotkeyList(SettingsWindow& sw) {
    SendMessageW(sw.hotkeyListView, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<HotkeyRow>& rows = theHotkeyList->rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int item = static_cast<int>(i);
        insertItem(sw.hotkeyListView, item, rows[i].empty() ? std::wstring() : rows[i][0]);
        setItemText(sw.hotkeyListView, item, 1, formatHotkey(rows[i]));
    }
    SetWindowTextW(sw.editor->commandEdit, L"");
    SetWindowTextW(sw.editor->keyEdit, L"");
    EnableWindow(sw.addButton, FALSE);
    EnableWindow(sw.updateButton, FALSE);
    EnableWindow(sw.deleteButton, FALSE);
}

void enterHotkeyList(SettingsWindow& sw) {
    if (!theHotkeyList->fileRead) readHotkeyRows(*theHotkeyList);
    refreshHotkeyList(sw);
    // Posted: at start the page is filled before the window is shown.
    if (!theHotkeyList->fileRead) PostMessageW(sw.window, unreadHotkeyListMessage, 0, 0);
}

void tellHotkeyListUnread(HWND window) {
    MessageBoxW(window,
                L"hotkey.txtを読み込めませんでした。\n"
                L"読み込めるまで追加ホットキーは変更・保存できません。ページを切り替えると読み直します。",
                L"読み込みに失敗", MB_OK | MB_ICONWARNING);
}

int selectedRow(const SettingsWindow& sw) {
    const auto item = static_cast<int>(
        SendMessageW(sw.hotkeyListView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
    // The list view can run ahead of the rows while it is being rebuilt.
    if (item < 0 || static_cast<size_t>(item) >= theHotkeyList->rows.size()) return -1;
    return item;
}

void showSelection(SettingsWindow& sw) {
    const int selected = selectedRow(sw);
    if (selected >= 0) {
        const HotkeyRow& row = theHotkeyList->rows[static_cast<size_t>(selected)];
        HotkeyEditor& editor = *sw.editor;
        editor.keyCode = static_cast<int>(rowKeyCode(row));
        SetWindowTextW(editor.keyEdit, editor.keyCode == 0 ? L"" : keyName(editor.keyCode).c_str());
        SetWindowTextW(editor.commandEdit, row.empty() ? L"" : row[0].c_str());
        setModifierChecks(editor, rowModifierBits(row));
    }
    updateButtons(sw);
}

void updateExtraPageButtons(SettingsWindow& sw) {
    const HotkeyEditor& editor = *sw.editor;
    const int clash = findHotkeyRow(theHotkeyList->rows, decimalText(editor.keyCode),
                                    decimalText(modifierBitsOf(editor)));
    const ExtraPageButtons buttons = extraPageButtons(windowText(editor.commandEdit),
                                                      GetWindowTextLengthW(editor.keyEdit) > 0, clash, selectedRow(sw));
    EnableWindow(sw.addButton, buttons.add && theHotkeyList->fileRead);
    EnableWindow(sw.updateButton, buttons.update);
    EnableWindow(sw.deleteButton, buttons.remove);
}

void addHotkeyRow(SettingsWindow& sw) {
    const HotkeyEditor& editor = *sw.editor;
    const std::wstring command = windowText(editor.commandEdit);
    // The button state is only a hint: check again what is added.
    if (!theHotkeyList->fileRead || !commandAcceptable(command) || GetWindowTextLengthW(editor.keyEdit) == 0) return;
    if (refuseTypingHotkey(sw)) return;
    theHotkeyList->rows.push_back(makeHotkeyRow(command, editor.keyCode, modifierBitsOf(editor)));
    refreshHotkeyList(sw);
    EnableWindow(sw.saveButton, TRUE);
}

void updateHotkeyRow(SettingsWindow& sw) {
    if (!commandAcceptable(windowText(sw.editor->commandEdit)) || GetWindowTextLengthW(sw.editor->keyEdit) == 0) {
        return;
    }
    // Refused before the row is taken out, so that it stays.
    if (refuseTypingHotkey(sw) || !removeSelectedRow(sw)) return;
    addHotkeyRow(sw);
}

void deleteHotkeyRow(SettingsWindow& sw) {
    if (!removeSelectedRow(sw)) return;
    refreshHotkeyList(sw);
    EnableWindow(sw.saveButton, TRUE);
}

void saveHotkeyList(SettingsWindow& sw) {
    // Never over rows that were not read, even once the file can be read.
    if (!theHotkeyList->fileRead) {
        EnableWindow(sw.saveButton, FALSE);
        return;
    }
    const std::wstring path = theHotkeyList->path;
    const std::string bytes = bytesFromLines(linesFromHotkeyRows(theHotkeyList->rows));
    saveSettingsFile(path, [path, bytes] { return tryWriteTextFile(path, bytes); });
}

void hotkeyListSaved(SettingsWindow& sw) {
    if (!sw.onBasicPage) EnableWindow(sw.saveButton, FALSE);
}

const WNDPROC commandEditProcedure =
    subclassProcedure<theSettingsWindow, &SettingsWindow::standardEditProcedure, handleCommandEdit>;

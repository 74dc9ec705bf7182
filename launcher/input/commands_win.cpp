#include "commands_win.h"

#include "commands.h"
#include "launch_request.h"

#include "common/text_files_win.h"
#include "launcher/shell/controller_win.h"
#include "launcher/shell/main_window_win.h"
#include "text_helpers.h"
#include "launcher/history/history_lists.h"
#include "launcher/tasks/task_view_state_win.h"
#include "launcher/tasks/window_enumeration_win.h"

#include <cstring>

namespace {

void execute(const std::wstring& argument) {
    const std::vector<std::wstring> parts = splitCommand(argument);
    if (parts.size() < 2) return;
    if (const HWND window = findWindowByText(parts[0])) {
        bringWindowToFront(window);
        return;
    }
    ShellExecuteW(nullptr, L"open", parts[1].c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void show(const std::wstring& argument) {
    if (const HWND window = findWindowByText(argument)) bringWindowToFront(window);
}

void putIntoInput(Controller& controller, const std::wstring& argument) {
    MainWindow& mw = *controller.mainWindow;
    showLauncher(mw);
    // The edit's change notification starts the new query.
    SetWindowTextW(mw.inputLine, argument.c_str());
}

} // namespace

int32_t runCommand(LaunchRequest& request, const std::wstring& text) {
    const ParsedCommand command = parseCommand(text);
    const std::wstring& argument = command.argument;
    switch (command.word) {
    case CommandWord::none: return -1;
    case CommandWord::clip:
        if (!argument.empty()) copyToClipboard(argument);
        return 0;
    case CommandWord::clipf:
        if (!argument.empty()) copyToClipboard(joinClipboardLines(readTextLines(argument)));
        return 0;
    case CommandWord::date: copyToClipboard(formatLocalTime("%Y%m%d")); return 0;
    case CommandWord::dates: copyToClipboard(formatLocalTime("%Y/%m/%d")); return 0;
    case CommandWord::file: return 0;
    case CommandWord::exec:
        if (!argument.empty()) execute(argument);
        return 0;
    case CommandWord::show:
        if (!argument.empty()) show(argument);
        return 0;
    case CommandWord::txt:
        if (argument.empty()) return 0;
        putIntoInput(*request.owner, argument);
        return 1;
    }
    return -1;
}

void copyToClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* memory = GlobalLock(block)) {
            std::memcpy(memory, text.c_str(), bytes);
            GlobalUnlock(block);
            // From here the clipboard owns the block.
            if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
}

#include "commands_win.h"

#include "clipboard_copy_win.h"
#include "commands.h"
#include "controller_win.h"
#include "launch_request.h"
#include "shell_open_win.h"
#include "text_helpers.h"
#include "launcher/history/history_lists.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/task_view_state_win.h"
#include "launcher/tasks/window_enumeration_win.h"

namespace {

void execute(const std::wstring& argument) {
    const std::vector<std::wstring> parts = splitCommand(argument);
    if (parts.size() < 2) return;
    if (const HWND window = findWindowByText(parts[0])) {
        bringWindowToFront(window);
        return;
    }
    openWithShell(parts[1], nullptr);
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
        if (!argument.empty()) copyFileToClipboard(argument);
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

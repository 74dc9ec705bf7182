#include "commands_win.h"

#include "commands.h"
#include "controller_win.h"
#include "launch_request.h"
#include "text_helpers.h"
#include "common/scoped_win.h"
#include "common/text_files_win.h"
#include "launcher/history/history_lists.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/tasks/task_view_state_win.h"
#include "launcher/tasks/window_enumeration_win.h"

#include <cstring>
#include <optional>

namespace {

// "clipf " reads on the user-interface thread, so only what reads in a moment:
// an ordinary file of up to 16 MB. A device or a pipe may never end, and a
// larger file would hold the launcher for seconds and put hundreds of
// megabytes of UTF-16 text on the clipboard.
constexpr LONGLONG clipFileLimit = 16 * 1024 * 1024;

bool isOrdinaryFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
           !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}

// The file's bytes, or nothing when it is no ordinary file or too large. A
// file that cannot be opened or read gives no bytes, as it always did.
std::optional<std::string> readClipFile(const std::wstring& path) {
    std::string bytes;
    ScopedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return bytes;
    LARGE_INTEGER size{};
    if (!isOrdinaryFile(file.get()) || !GetFileSizeEx(file.get(), &size) || size.QuadPart > clipFileLimit)
        return std::nullopt;
    if (!readOpenFile(file.get(), bytes, static_cast<size_t>(clipFileLimit))) return std::string();
    // It may have grown since its size was asked.
    if (bytes.size() > static_cast<size_t>(clipFileLimit)) return std::nullopt;
    return bytes;
}

void copyFile(const std::wstring& path) {
    const std::optional<std::string> bytes = readClipFile(path);
    if (!bytes) {
        // No owner: the launcher hides itself after the command, and would take an owned box with it.
        MessageBoxW(nullptr, clipFileRefusedText, clipFileRefusedCaption, MB_OK);
        return;
    }
    copyToClipboard(joinClipboardLines(linesFromBytes(*bytes)));
}

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
        if (!argument.empty()) copyFile(argument);
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

// SetClipboardData fails on a clipboard emptied without an owner, and
// clipboard managers and remote sessions hold it open for a moment.
bool openClipboardWithRetry(HWND owner) {
    constexpr int attempts = 25;
    constexpr DWORD pauseMilliseconds = 20;
    for (int i = 0; i < attempts; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(pauseMilliseconds);
    }
    return false;
}

void copyToClipboard(const std::wstring& text) {
    if (!openClipboardWithRetry(theMainWindow ? theMainWindow->window : nullptr)) return;
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

// The controller's launch-side operations: from a request to a browsed
// folder or a launched target.
#include "controller_win.h"

#include "commands_win.h"
#include "launch_request.h"
#include "shell_open_win.h"
#include "view_state_win.h"
#include "launcher/data/data_store.h"
#include "launcher/folders/folder_listing_win.h"
#include "launcher/history/history_store_win.h"
#include "launcher/shell/main_window_record_win.h"

#include <shlwapi.h>

namespace {

bool isDirectory(const std::wstring& path) {
    return PathIsDirectoryW(path.c_str()) != FALSE;
}

} // namespace

void Controller::dispatchRequest(LaunchRequest& request) {
    switch (decideDispatch(request, !view->folderEntries.empty(), isDirectory)) {
    case DispatchStep::nothing: return;
    case DispatchStep::openFolderView: openFolderView(request); return;
    case DispatchStep::execute: executeRequest(request); return;
    case DispatchStep::activateFirstItem: activateItem(0); return;
    }
}

void Controller::openFolderView(LaunchRequest& request) {
    const std::wstring folder = request.target;
    // The old listing goes first, so that two large folders are never held at once.
    view->folderEntries.clear();
    view->allFolderEntries = FolderListing();
    view->changeFolder(folder);
    view->allFolderEntries = listFolder(folder);
    view->filterFolderEntries(L"");
    setInputText(L"");
    onInputChanged();
    if (view->folderEntries.empty()) {
        ++activityCounter;
        SetFocus(mainWindow->inputLine);
    } else {
        focusItemView();
    }
}

void Controller::restoreFolder(const std::wstring& folder) {
    if (folder.empty() || !isDirectory(folder)) {
        view->changeFolder(L"");
        return;
    }
    view->folderEntries.clear();
    view->allFolderEntries = listFolder(folder);
    view->changeFolder(folder);
}

void Controller::executeRequest(LaunchRequest& request) {
    applyShortcut(request, data->shortcutRows);
    const ShellOpen open = shellOpenFor(request);
    const wchar_t* parameters = open.hasParameters ? open.parameters.c_str() : nullptr;
    const int32_t answer = runCommand(request, request.target);
    if (answer == -1) {
        if (request.viaShortcut) {
            const int32_t programAnswer = runCommand(request, request.program);
            if (programAnswer == -1) openWithShell(open.file, parameters);
            else if (programAnswer != 0) return;
        } else {
            openWithShell(open.file, parameters);
        }
    } else if (answer != 0) {
        return;
    }
    // The request may point into lists that dismissing rebuilds.
    const std::wstring target = request.target;
    recordLaunch(*data, target);
    dismiss();
}

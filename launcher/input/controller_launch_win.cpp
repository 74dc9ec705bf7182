// The controller's launch-side operations: from a request to a browsed
// folder or a launched target.
#include "controller_win.h"

#include "commands_win.h"
#include "launch_request.h"
#include "shell_open_win.h"
#include "view_state_win.h"
#include "launcher/data/data_store.h"
#include "launcher/data/history_store_win.h"
#include "launcher/shell/main_window_record_win.h"

void Controller::dispatchRequest(LaunchRequest& request) {
    if (request.target.empty()) return;
    // Whether the target is a folder waits on its drive, which may be a
    // share: a worker decides, and onFolderAnswer carries on.
    askWhereRequestGoes(request);
}

void Controller::openFolderView(LaunchRequest& request) {
    // The old listing goes first, so that two large folders are never held at once.
    view->folderEntries.clear();
    view->allFolderEntries = FolderListing();
    // Runs the keystroke path with the text still typed; the caller's new
    // input text runs it again, and the listing's arrival filters once more.
    // Until the entries arrive each pass filters an empty list: it costs
    // nothing, and it shows the folder's colours and loading note at once.
    view->changeFolder(request.target);
    // The entries follow from a worker; until then the keys go to the input line.
    focusInputLine(*mainWindow);
}

void Controller::restoreFolder(const std::wstring& folder) {
    if (folder.empty()) {
        view->changeFolder(L"");
        return;
    }
    view->folderEntries.clear();
    view->allFolderEntries = FolderListing();
    const uint32_t request = view->folderRequests.list();
    view->changeFolder(folder);
    askForListing(folder, request, true);
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

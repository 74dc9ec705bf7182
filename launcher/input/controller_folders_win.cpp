// The controller's folder requests: whether a target is a folder and what
// the folder holds are found on a worker, since both wait on the drive, which
// may be a share; the window carries on with the answers still wanted.
#include "controller_win.h"

#include "folder_requests.h"
#include "launch_request.h"
#include "view_state_win.h"
#include "common/controls_win.h"
#include "common/matching.h"
#include "common/posted_answer_win.h"
#include "launcher/folders/folder_listing_win.h"
#include "launcher/shell/main_window_record_win.h"

#include <shlwapi.h>

#include <utility>

namespace {

struct FolderAnswer {
    // As decided: with Ctrl a file's target has become its folder.
    LaunchRequest request;
    DispatchStep step = DispatchStep::nothing;
    // Posted before the listing: the target is a folder, its entries follow.
    bool folderFound = false;
    // The input line's text when the request was made.
    std::wstring inputBefore;
    // With a listing: whether the folder was there, and what it holds.
    bool isFolder = false;
    FolderListing entries;
    bool restoredAtStart = false;
};

bool isDirectory(const std::wstring& path) {
    return PathIsDirectoryW(path.c_str()) != FALSE;
}

// Decides where the request goes; a folder is listed by the same job, after
// telling the window, which shows the folder while its entries come.
FolderAnswer decide(FolderAnswer answer, bool folderEntriesListed, HWND window, uint32_t request) {
    answer.step = decideDispatch(answer.request, folderEntriesListed, isDirectory);
    if (answer.step != DispatchStep::openFolderView) return answer;
    FolderAnswer found;
    found.request = answer.request;
    found.step = answer.step;
    found.folderFound = true;
    found.inputBefore = answer.inputBefore;
    postAnswer(window, WM_FOLDER_LISTED, request, std::move(found));
    answer.isFolder = listFolder(answer.request.target, answer.entries);
    return answer;
}

FolderAnswer listing(const std::wstring& folder, bool restoredAtStart) {
    FolderAnswer answer;
    answer.request.target = folder;
    answer.step = DispatchStep::openFolderView;
    answer.restoredAtStart = restoredAtStart;
    answer.isFolder = listFolder(folder, answer.entries);
    return answer;
}

void focusAfter(Controller& controller, bool restoredAtStart) {
    const HWND input = controller.mainWindow->inputLine;
    switch (focusAfterListing(restoredAtStart, GetFocus() == input, GetWindowTextLengthW(input) == 0,
                              controller.view->folderEntries.empty())) {
    case ListingFocus::unchanged: return;
    case ListingFocus::inputLine: focusInputLine(*controller.mainWindow); return;
    case ListingFocus::itemView: controller.focusItemView(); return;
    }
}

// The entries are there: filtered by what the input line holds by now.
void showListing(Controller& controller, FolderAnswer& answer) {
    ViewState& view = *controller.view;
    if (!answer.isFolder) {
        view.changeFolder(L""); // gone, or no folder after all: the tasks
        return;
    }
    view.allFolderEntries = std::move(answer.entries);
    view.filterFolderEntries(lowerText(windowText(controller.mainWindow->inputLine)));
    focusAfter(controller, answer.restoredAtStart);
}

} // namespace

void Controller::askWhereRequestGoes(const LaunchRequest& request) {
    // A folder row, or the folder shown, is known to be a folder: it is shown
    // at once and only listed; the listing says whether it is still there.
    if (!request.withCtrl && (request.folderEntry || request.target == view->shownFolder)) {
        LaunchRequest known = request;
        const uint32_t number = view->folderRequests.list();
        openFolderView(known);
        setInputText(L"");
        askForListing(known.target, number, false);
        return;
    }
    const uint32_t number = view->folderRequests.decide();
    FolderAnswer answer;
    answer.request = request;
    answer.inputBefore = windowText(mainWindow->inputLine);
    const HWND window = mainWindow->window;
    const bool listed = !view->folderEntries.empty();
    answerOnWorker<FolderAnswer>(window, WM_FOLDER_LISTED, number, [answer = std::move(answer), listed, window, number] {
        return decide(answer, listed, window, number);
    });
}

void Controller::askForListing(const std::wstring& folder, uint32_t request, bool restoredAtStart) {
    answerOnWorker<FolderAnswer>(mainWindow->window, WM_FOLDER_LISTED, request,
                                 [folder, restoredAtStart] { return listing(folder, restoredAtStart); });
}

void Controller::onFolderAnswer(WPARAM request, LPARAM lParam) {
    const auto answer = takeAnswer<FolderAnswer>(lParam);
    if (!answer) return;
    FolderRequests& requests = view->folderRequests;
    const auto number = static_cast<uint32_t>(request);
    FolderAnswer& found = answer->value;
    if (found.folderFound) {
        if (!requests.takeFolderFound(number)) return;
        openFolderView(found.request);
        // Keys typed since the request are the query of the folder it opens.
        setInputText(typedSince(windowText(mainWindow->inputLine), found.inputBefore));
        return;
    }
    if (found.step == DispatchStep::openFolderView) {
        if (requests.takeListing(number)) showListing(*this, found);
        return;
    }
    if (!requests.decisions.take(number)) return;
    switch (found.step) {
    case DispatchStep::nothing:
    case DispatchStep::openFolderView: return;
    case DispatchStep::execute: executeRequest(found.request); return;
    case DispatchStep::activateFirstItem: activateItem(0); return;
    }
}

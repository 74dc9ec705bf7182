#include "list_announcement_win.h"

#include "list_announcement.h"
#include "common/accessibility_win.h"
#include "launcher/input/controller_win.h"
#include "launcher/input/input_handlers_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/tasks/item_view_display_win.h"

namespace {

constexpr UINT pauseMs = 150;

void startPause(MainWindow& mw) {
    SetTimer(mw.window, listAnnouncementTimer, pauseMs, nullptr);
}

// What the two lists show now, read from the lists they were filled from.
ListGlance glanceAt(const MainWindow& mw) {
    const ViewState& view = *mw.controller->view;
    const ItemViewDisplay& display = mw.controller->itemView->display;
    ListGlance lists;
    lists.candidateCount = view.candidates.size();
    if (!view.candidates.empty()) lists.firstCandidate = view.candidates.front();
    if (listsTasks(display)) {
        if (display.tasks && !display.tasks->empty()) {
            lists.itemCount = display.tasks->size();
            lists.firstItem = display.tasks->front().title;
        }
    } else {
        lists.folder = view.shownFolder;
        lists.folderEntered = view.shownFolder != mw.announcedFolder;
        if (display.entries && display.entries->has(0)) {
            lists.itemCount = display.entries->size();
            lists.firstItem = display.entries->name(0);
        }
    }
    return lists;
}

} // namespace

void createListAnnouncer(MainWindow& mw) {
    mw.liveRegion = createLiveRegion(mw.window, otherControlId);
}

void listsRefilled(MainWindow& mw) {
    // Hidden, nothing is said; showing the window starts the pause anew.
    if (mw.liveRegion && IsWindowVisible(mw.window)) startPause(mw);
}

void announceLists(MainWindow& mw) {
    KillTimer(mw.window, listAnnouncementTimer);
    if (!mw.controller || !IsWindowVisible(mw.window) || IsIconic(mw.window)) return;
    // A folder's entries still on their way are said once they are there.
    if (mw.controller->view->folderRequests.loading()) return;
    const ListGlance lists = glanceAt(mw);
    std::wstring said = announcementOf(lists);
    // A refill that changed nothing visible, such as a task refresh, says nothing.
    if (said == mw.lastAnnouncement) return;
    announce(mw.liveRegion, said);
    mw.lastAnnouncement = std::move(said);
    mw.announcedFolder = lists.folder;
}

void listsShownOrHidden(MainWindow& mw, bool shown) {
    if (!mw.liveRegion) return;
    if (shown) {
        startPause(mw);
        return;
    }
    KillTimer(mw.window, listAnnouncementTimer);
    mw.lastAnnouncement.clear();
    mw.announcedFolder.clear();
}

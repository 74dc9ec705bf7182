#include "live_region_listener_win.h"

#include "test_support_win.h"

#include <algorithm>

namespace {

void pumpMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The text as the other process's control holds it; empty if it does not answer.
std::wstring controlText(HWND control) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return text;
}

} // namespace

LiveRegionListener::LiveRegionListener(DWORD processId) {
    current = this;
    hook_ = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, onEvent,
                            processId, 0, WINEVENT_OUTOFCONTEXT);
}

LiveRegionListener::~LiveRegionListener() {
    if (hook_) UnhookWinEvent(hook_);
    current = nullptr;
}

bool LiveRegionListener::waitFor(const std::wstring& text, std::chrono::milliseconds timeout) {
    const auto came = [&] {
        return std::any_of(heard_.begin(), heard_.end(), [&](const HeardAnnouncement& h) { return h.text == text; });
    };
    return pumpWhileWaiting(came, timeout, pumpMessages);
}

void CALLBACK LiveRegionListener::onEvent(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD) {
    if (!current || object != OBJID_CLIENT || child != CHILDID_SELF) return;
    current->heard_.push_back({control, controlText(control)});
}

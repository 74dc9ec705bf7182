#pragma once
// Hears from outside what a program announces, as a screen reader does: an
// out-of-context WinEvent hook on the live-region event, which reads the
// text of the control each event came from. The events arrive through this
// thread's messages, so the listener pumps them while it waits.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

struct HeardAnnouncement {
    HWND control;
    std::wstring text;
};

class LiveRegionListener {
public:
    // Listens to one process only. One listener at a time.
    explicit LiveRegionListener(DWORD processId);
    ~LiveRegionListener();
    LiveRegionListener(const LiveRegionListener&) = delete;
    LiveRegionListener& operator=(const LiveRegionListener&) = delete;

    bool listening() const { return hook_ != nullptr; }
    // Pumps this thread's messages until an announcement with that text came.
    bool waitFor(const std::wstring& text, std::chrono::milliseconds timeout = std::chrono::seconds(10));
    const std::vector<HeardAnnouncement>& heard() const { return heard_; }

private:
    static void CALLBACK onEvent(HWINEVENTHOOK hook, DWORD event, HWND control, LONG object, LONG child, DWORD thread,
                                 DWORD time);
    static inline LiveRegionListener* current = nullptr;

    HWINEVENTHOOK hook_ = nullptr;
    std::vector<HeardAnnouncement> heard_;
};

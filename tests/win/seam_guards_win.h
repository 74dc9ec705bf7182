#pragma once
// Stand-ins behind the launcher's seams, each put back as it goes out of
// scope, so that a failing test cannot leave one in place for the next.
#include "launcher/input/shell_open_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/shell/hotkey_manager_win.h"
#include "launcher/shell/message_filter_win.h"
#include "launcher/shell/main_window_record_win.h"
#include "launcher/shell/view_colours_win.h"
#include "launcher/tasks/window_enumeration_win.h"
#include "common/work_queue.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// Launches are caught here instead of reaching the shell. The launch worker
// calls the seam; driver::settle waits for it.
class ShellCatcher {
public:
    ShellCatcher() {
        replaceShellOpen([this](const std::wstring& file, const wchar_t* parameters) {
            std::unique_lock lock(mutex_);
            // Bounded, so that a shell call made on the window's thread fails the test instead of hanging it.
            letGo_.wait_for(lock, std::chrono::seconds(10), [this] { return !held_; });
            opened_.push_back(parameters ? file + L" | " + parameters : file);
        });
    }
    ~ShellCatcher() {
        letLaunchesGo();
        // No launch still on its way may reach the seam once this is gone.
        if (theLaunchQueue) theLaunchQueue->drain(std::chrono::seconds(10));
        replaceShellOpen(nullptr);
    }
    ShellCatcher(const ShellCatcher&) = delete;
    ShellCatcher& operator=(const ShellCatcher&) = delete;

    std::vector<std::wstring> opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }

    // Launches wait inside the shell call until let go, as behind a slow program.
    void holdLaunches() {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void letLaunchesGo() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        letGo_.notify_all();
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable letGo_;
    bool held_ = false;
    std::vector<std::wstring> opened_;
};

// The deletion question answered by the test instead of the user.
struct DeletionAnswers {
    explicit DeletionAnswers(DeletionQuestion question) { replaceDeletionQuestion(std::move(question)); }
    ~DeletionAnswers() { replaceDeletionQuestion(nullptr); }
    DeletionAnswers(const DeletionAnswers&) = delete;
    DeletionAnswers& operator=(const DeletionAnswers&) = delete;
    void replace(DeletionQuestion question) { replaceDeletionQuestion(std::move(question)); }
};

// The messages let through to an elevated launcher, recorded instead of allowed.
struct AllowedMessages {
    std::vector<std::pair<HWND, UINT>> allowed;
    AllowedMessages() {
        recording = this;
        replaceMessageFilterChange(record);
    }
    ~AllowedMessages() {
        replaceMessageFilterChange(nullptr);
        recording = nullptr;
    }
    AllowedMessages(const AllowedMessages&) = delete;
    AllowedMessages& operator=(const AllowedMessages&) = delete;

private:
    // The seam is a plain function, as ChangeWindowMessageFilterEx is.
    static inline AllowedMessages* recording = nullptr;
    static BOOL WINAPI record(HWND window, UINT message, DWORD action, PCHANGEFILTERSTRUCT) {
        if (recording && action == MSGFLT_ALLOW) recording->allowed.emplace_back(window, message);
        return TRUE;
    }
};

// A plain function behind one of the seams for a scope.
template <auto replace, typename Function>
struct SeamStandIn {
    explicit SeamStandIn(Function standIn) { replace(standIn); }
    ~SeamStandIn() { replace(nullptr); }
    SeamStandIn(const SeamStandIn&) = delete;
    SeamStandIn& operator=(const SeamStandIn&) = delete;
};
using ProcessOpeningStandIn = SeamStandIn<replaceProcessOpening, ProcessOpening>;
using HotkeyRegistrationStandIn = SeamStandIn<replaceHotkeyRegistration, HotkeyRegistration>;
using HighContrastStandIn = SeamStandIn<replaceHighContrastQuery, HighContrastQuery>;

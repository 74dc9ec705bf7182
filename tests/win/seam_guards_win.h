#pragma once
// Stand-ins behind the launcher's seams, each put back as it goes out of
// scope, so that a failing test cannot leave one in place for the next.
#include "launcher/input/shell_open_win.h"
#include "launcher/input/view_state_win.h"
#include "launcher/shell/message_filter_win.h"

#include <string>
#include <utility>
#include <vector>

// Launches are caught here instead of reaching the shell.
struct ShellCatcher {
    std::vector<std::wstring> opened;
    ShellCatcher() {
        replaceShellOpen([this](const std::wstring& file, const wchar_t* parameters) {
            opened.push_back(parameters ? file + L" | " + parameters : file);
        });
    }
    ~ShellCatcher() { replaceShellOpen(nullptr); }
    ShellCatcher(const ShellCatcher&) = delete;
    ShellCatcher& operator=(const ShellCatcher&) = delete;
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

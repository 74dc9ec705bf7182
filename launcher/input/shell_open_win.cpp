#include "shell_open_win.h"

#include "program_search.h"
#include "program_search_win.h"
#include "common/com_apartment_win.h"
#include "launcher/shell/main_window_record_win.h"

#include <windows.h>
#include <shellapi.h>

#include <mutex>
#include <optional>

namespace {

// The launch worker's apartment, made and ended by the worker itself.
thread_local std::optional<ComApartment> launchApartment;

// Set by the tests' thread, called on the launch worker.
struct ShellOpenSeam {
    std::mutex mutex;
    ShellOpenFunction function;
};

ShellOpenSeam& shellOpenSeam() {
    static ShellOpenSeam seam;
    return seam;
}

ShellOpenFunction currentSeam() {
    ShellOpenSeam& seam = shellOpenSeam();
    std::lock_guard lock(seam.mutex);
    return seam.function;
}

void openNow(const std::wstring& file, const std::optional<std::wstring>& parameters) {
    const std::wstring program = resolveProgram(file, systemProgramPlaces());
    const wchar_t* parameterText = parameters ? parameters->c_str() : nullptr;
    if (const ShellOpenFunction seam = currentSeam()) {
        seam(program, parameterText);
        return;
    }
    ShellExecuteW(nullptr, L"open", program.c_str(), parameterText, nullptr, SW_SHOWNORMAL);
}

// Counts the launch as work on its way until its shell call has returned, whatever happens in it.
struct LaunchInFlight {
    LaunchInFlight() = default;
    LaunchInFlight(const LaunchInFlight&) = delete;
    LaunchInFlight& operator=(const LaunchInFlight&) = delete;
    ~LaunchInFlight() { endWork(); }
};

} // namespace

WorkQueue* createLaunchQueue() {
    return new WorkQueue([] { launchApartment.emplace(); }, [] { launchApartment.reset(); });
}

void openWithShell(const std::wstring& file, const wchar_t* parameters) {
    std::optional<std::wstring> parameterText;
    if (parameters) parameterText = parameters;
    // The launcher has hidden by the time the shell starts the program: while
    // the user's key still counts, let that program come to the front.
    AllowSetForegroundWindow(ASFW_ANY);
    beginWork();
    try {
        theLaunchQueue->post([file, parameterText] {
            const LaunchInFlight inFlight;
            openNow(file, parameterText);
        });
    } catch (...) {
        endWork(); // nothing queued: nothing will end it
    }
}

void replaceShellOpen(ShellOpenFunction function) {
    ShellOpenSeam& seam = shellOpenSeam();
    std::lock_guard lock(seam.mutex);
    seam.function = std::move(function);
}

#pragma once
// The accessibility calls recorded instead of made, for as long as the
// recorder lives: Wine's annotation service is a stub, so names and live
// settings can only be seen here.
#include "common/accessibility_win.h"
#include "common/controls_win.h"

#include <map>
#include <string>
#include <vector>

struct AccessibilityRecorder {
    std::map<HWND, std::wstring> names; // the newest name of each control
    std::map<HWND, long> liveSettings;
    std::vector<HWND> cleared;
    std::vector<std::wstring> announced; // the region's text as the event was raised

    AccessibilityRecorder() {
        replaceAccessibilityCalls({
            [this](HWND control, const std::wstring& name) { names[control] = name; },
            [this](HWND region, long setting) { liveSettings[region] = setting; },
            [this](HWND control) { cleared.push_back(control); },
            [this](HWND region) { announced.push_back(windowText(region)); },
        });
    }
    ~AccessibilityRecorder() { replaceAccessibilityCalls({}); }
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;
};

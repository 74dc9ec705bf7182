#pragma once
// What a screen reader needs beyond what the standard controls give it: a
// name for a control whose label is a separate static text, and a live
// region that says what changed without moving the focus.
#include <windows.h>

#include <functional>
#include <string>

// The accessible name a screen reader speaks for the control. Set again when
// the text it stands for changes.
void setAccessibleName(HWND control, const std::wstring& name);

// A live region in the parent: a static text that screen readers see and
// that draws nothing. Its changes are spoken politely, after what is being said.
HWND createLiveRegion(HWND parent, int id);

// Puts the text into the live region and tells screen readers that it
// changed. Nothing is said while the region's window is hidden or minimised.
void announce(HWND liveRegion, const std::wstring& text);

// Drops the names and live settings given to the window's children; called
// while the window is being destroyed, before its children go.
void clearAccessibility(HWND window);

// The annotation calls and the live-region event. Wine's annotation service
// is a stub, so tests record the calls here instead; an empty member leaves
// that call to the system.
struct AccessibilityCalls {
    std::function<void(HWND control, const std::wstring& name)> setName;
    std::function<void(HWND liveRegion, long liveSetting)> setLiveSetting;
    std::function<void(HWND control)> clear;
    std::function<void(HWND liveRegion)> raiseLiveRegionChanged;
};
void replaceAccessibilityCalls(AccessibilityCalls calls);

// The live setting screen readers read from a live region (uiautomationcore.h).
constexpr long politeLiveSetting = 1;

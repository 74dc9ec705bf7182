#include "accessibility_win.h"

#include <oleacc.h>

#include <utility>

namespace {

// Spelled out here so that neither initguid.h nor an import library has to
// define them. COM loads the service (oleacc.dll) from its registered path,
// so the programs import no library that could be planted beside them.
constexpr GUID accPropServicesClass{0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID accPropServicesInterface{0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr GUID nameProperty{0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID liveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};

constexpr DWORD clientObject = static_cast<DWORD>(OBJID_CLIENT);

AccessibilityCalls seam;

// The system's annotation service for the calls of one operation. Both
// programs' window threads live in a single-threaded COM apartment from
// their entry function on (entry_win.cpp), as the service requires; on a
// thread without one it is not created and the controls keep the names
// the system gives them.
class AnnotationService {
public:
    AnnotationService() {
        CoCreateInstance(accPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, accPropServicesInterface,
                         reinterpret_cast<void**>(&services_));
    }
    ~AnnotationService() {
        if (services_) services_->Release();
    }
    AnnotationService(const AnnotationService&) = delete;
    AnnotationService& operator=(const AnnotationService&) = delete;

    IAccPropServices* get() const { return services_; }

private:
    IAccPropServices* services_ = nullptr;
};

struct ClearingChildren {
    IAccPropServices* services;
};

BOOL CALLBACK clearChild(HWND child, LPARAM lParam) {
    if (seam.clear) {
        seam.clear(child);
    } else if (IAccPropServices* services = reinterpret_cast<ClearingChildren*>(lParam)->services) {
        const MSAAPROPID properties[] = {nameProperty, liveSettingProperty};
        services->ClearHwndProps(child, clientObject, CHILDID_SELF, properties, 2);
    }
    return TRUE;
}

} // namespace

void setAccessibleName(HWND control, const std::wstring& name) {
    if (seam.setName) {
        seam.setName(control, name);
    } else if (const AnnotationService service; service.get()) {
        service.get()->SetHwndPropStr(control, clientObject, CHILDID_SELF, nameProperty, name.c_str());
    }
    // A screen reader that has the control in hand reads the new name.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

HWND createLiveRegion(HWND parent, int id) {
    // Visible, or screen readers would not see it; of no size, so it draws nothing.
    const HWND region = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!region) return nullptr;
    if (seam.setLiveSetting) {
        seam.setLiveSetting(region, politeLiveSetting);
    } else if (const AnnotationService service; service.get()) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = politeLiveSetting;
        service.get()->SetHwndProp(region, clientObject, CHILDID_SELF, liveSettingProperty, polite);
    }
    return region;
}

void announce(HWND liveRegion, const std::wstring& text) {
    // The region is visible exactly when its window is.
    if (!IsWindowVisible(liveRegion) || IsIconic(GetAncestor(liveRegion, GA_ROOT))) return;
    SetWindowTextW(liveRegion, text.c_str());
    if (seam.raiseLiveRegionChanged) {
        seam.raiseLiveRegionChanged(liveRegion);
    } else {
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, liveRegion, OBJID_CLIENT, CHILDID_SELF);
    }
}

void clearAccessibility(HWND window) {
    const AnnotationService service;
    ClearingChildren clearing{service.get()};
    EnumChildWindows(window, clearChild, reinterpret_cast<LPARAM>(&clearing));
}

void replaceAccessibilityCalls(AccessibilityCalls calls) {
    seam = std::move(calls);
}

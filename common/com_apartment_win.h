#pragma once
// COM for the calling thread, as the shell needs it: verbs handled by COM
// objects (pictures opened in an app, "ms-settings:" and "shell:" targets,
// shell extensions) fail on a thread that never initialised it.
#include <windows.h>
#include <objbase.h>

class ComApartment {
public:
    // A single-threaded apartment, without the OLE1 DDE window the shell does not use.
    static constexpr DWORD flags = COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE;

    ComApartment() : result_(CoInitializeEx(nullptr, flags)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT result_;
};

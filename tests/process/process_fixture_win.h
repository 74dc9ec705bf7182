#pragma once
// Starts the built programs in a fresh portable folder, as a user would unpack them.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

struct StartedProcess {
    HANDLE process = nullptr;
    DWORD id = 0;
};

class PortableFolder {
public:
    PortableFolder();
    ~PortableFolder();
    PortableFolder(const PortableFolder&) = delete;
    PortableFolder& operator=(const PortableFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& relative) const { return path_ + L"\\" + relative; }
    void writeFile(const std::wstring& relative, const std::string& bytes) const;
    StartedProcess start(const std::wstring& program, const std::wstring& arguments = L"") const;

private:
    std::wstring path_;
};

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(15));
// Exit code, or -1 when the process did not end in time.
long waitForExit(const StartedProcess& started, std::chrono::milliseconds timeout = std::chrono::seconds(15));
// A top-level window of the given class that belongs to the process.
HWND findProcessWindow(DWORD processId, const wchar_t* className);
bool isFolder(const std::wstring& path);

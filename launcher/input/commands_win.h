#pragma once
// Carrying out the command words typed or launched from a row.
#include <cstdint>
#include <string>

struct LaunchRequest;

// -1: no command, the shell gets the text; 0: done, record it and dismiss;
// 1: "txt " brought the launcher up with its text, nothing more to do.
// What waits (a file, the clipboard, the shell) is handed off, and the answer comes at once.
int32_t runCommand(LaunchRequest& request, const std::wstring& text);

#pragma once
// The command words typed into the input line.
#include <cstdint>
#include <string>

struct LaunchRequest;

// -1: no command; 0: done, record and hide; 1: done, the launcher stays.
int32_t runCommand(LaunchRequest& request, const std::wstring& text);

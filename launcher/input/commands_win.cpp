#include "commands_win.h"

#include "launch_request.h"

int32_t runCommand(LaunchRequest& request, const std::wstring& text) {
    return -1;
}

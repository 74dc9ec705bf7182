#pragma once
// What the key handlers return for a key they handled themselves, rather
// than passing it on to the control's own procedure: some keys answer 0,
// others keySwallowed (-1, common/controls_win.h); the control sees neither.
#include <windows.h>

constexpr LRESULT consumed = 0;

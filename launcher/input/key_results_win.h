#pragma once
// What the key handlers return for a key they handled themselves, rather
// than passing it on to the control's own procedure.
#include <windows.h>

constexpr LRESULT consumed = 0;
constexpr LRESULT consumedMinusOne = -1;

#include "input_handlers_win.h"

InputEditHandler* theInputEditHandler = nullptr;
CandidateListHandler* theCandidateListHandler = nullptr;
ItemViewHandler* theItemViewHandler = nullptr;

LRESULT CALLBACK inputLineProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(theInputEditHandler->previousProcedure, window, message, wParam, lParam);
}

LRESULT CALLBACK candidateListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(theCandidateListHandler->previousProcedure, window, message, wParam, lParam);
}

LRESULT CALLBACK itemViewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(theItemViewHandler->previousProcedure, window, message, wParam, lParam);
}

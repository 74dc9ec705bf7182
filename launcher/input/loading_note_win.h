#pragma once
// The item view's word that a folder's entries are on their way: a static
// text inside the view, so that it is read out like any other text.
#include <windows.h>

inline constexpr wchar_t loadingNoteText[] = L"読み込み中…";

void showLoadingNote(HWND itemView, bool shown);
// WM_CTLCOLORSTATIC of the item view: the note in the view's own colours.
LRESULT colourLoadingNote(HWND itemView, HDC dc);

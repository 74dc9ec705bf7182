#pragma once
// The launcher's private window messages, all posted to the main window. Kept
// in one place so that no two share a number.
#include <windows.h>

// From the task threads.
constexpr UINT WM_TASKS_CHANGED = WM_APP + 1;       // the number of windows changed
constexpr UINT WM_TASKS_IDLE = WM_APP + 2;          // no user activity for the idle limit
constexpr UINT WM_TASKS_AUTO_ACTIVATE = WM_APP + 3; // wParam: the activity count when it was started
constexpr UINT WM_TASKS_DELAYED_CLOSE = WM_APP + 4;
// Posted when the launcher is shown: handled before any key already queued,
// so that the first key acts on the current windows.
constexpr UINT WM_TASKS_REFRESH = WM_APP + 5;

// lParam: the worker's answer, for adoptDictionary.
constexpr UINT WM_DICTIONARY_LOADED = WM_APP + 6;

// Posted by the worker that decides where a request goes and lists folders;
// wParam: the request, lParam: the answer for onFolderAnswer.
constexpr UINT WM_FOLDER_LISTED = WM_APP + 7;

// Posted when the shell has deleted the listed files (lParam: the answer for
// takeDeletionAnswer).
constexpr UINT WM_FILES_DELETED = WM_APP + 8;

// Posted when the writer's first try of a file is refused (request
// refusedFileRequest), and by the check at start (unwritableFolderRequest);
// lParam for takeAnswer<WriteOutcome>.
constexpr UINT WM_WRITE_REFUSED = WM_APP + 9;

// Posted by a dismissal for the minimise, then again for the hide and for
// the window listing.
constexpr UINT WM_DISMISSED = WM_APP + 10;

// The text of a "clipf " file (wParam: the request, lParam: the answer for
// onClipFileRead).
constexpr UINT WM_CLIP_FILE_READ = WM_APP + 11;

constexpr UINT WM_WINDOW_ICON = WM_APP + 12; // wParam: the window, lParam: its small icon or null
constexpr UINT WM_FILE_ICON = WM_APP + 13;   // lParam: the PostedAnswer<FileIcon>

#pragma once
// The shell open at the end of every launch, run on the launch worker: a
// program on a slow share, a bare name looked up on the disk or a shell
// extension that hangs holds that thread, never the window's.
#include "common/work_queue.h"

#include <functional>
#include <string>

// The launch worker: shell calls one after another, in the order asked, on a
// thread with its own single-threaded COM apartment.
WorkQueue* createLaunchQueue();

// Queues the shell verb "open" of a file, program or folder and returns at
// once; parameters may be null. A bare program name is first looked up
// without the launcher's own folder (program_search.h). The result is not
// examined: a target that cannot be opened is still recorded and the window hidden.
void openWithShell(const std::wstring& file, const wchar_t* parameters);

using ShellOpenFunction = std::function<void(const std::wstring& file, const wchar_t* parameters)>;

// Tests observe launches through this seam, which the launch worker calls
// in place of the shell, with the name looked up; an empty function restores the shell.
void replaceShellOpen(ShellOpenFunction function);

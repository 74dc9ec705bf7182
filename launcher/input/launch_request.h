#pragma once
// What is to be launched and how it was chosen; lives for one dispatch.
#include "launcher/data/data_store.h"

#include <functional>
#include <string>

struct Controller;

struct LaunchRequest {
    Controller* owner = nullptr;
    std::wstring target;
    std::wstring program;
    std::wstring parameters;
    bool withCtrl = false;
    bool fromItemView = false;
    bool fromCandidateList = false;
    bool viaTool = false;
    bool viaShortcut = false;
    bool hasParameters = false;
    // Made from a folder row of the item view: its listing said it is a
    // folder, so the folder is shown at once rather than after asking the drive.
    bool folderEntry = false;
};

enum class DispatchStep { nothing, openFolderView, execute, activateFirstItem };

using DirectoryTest = std::function<bool(const std::wstring&)>;

// Decides where a request goes. With Ctrl a file's target becomes its folder,
// which the shell then opens. A typed text that is no folder, while folder
// entries are listed, activates the first entry instead.
DispatchStep decideDispatch(LaunchRequest& request, bool folderEntriesListed, const DirectoryTest& isDirectory);

// The first shortcut row whose keyword starts the target supplies the program,
// and the rest of the target (trimmed) the parameters.
void applyShortcut(LaunchRequest& request, const Table& shortcutRows);

// What the shell is asked to open once no command claimed the request.
struct ShellOpen {
    std::wstring file;
    std::wstring parameters;
    bool hasParameters = false;
    // Made from a folder row of the item view: its listing said it is a
    // folder, so the folder is shown at once rather than after asking the drive.
    bool folderEntry = false;
};
ShellOpen shellOpenFor(const LaunchRequest& request);

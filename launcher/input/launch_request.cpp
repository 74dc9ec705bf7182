#include "launch_request.h"

#include "text_helpers.h"

DispatchStep decideDispatch(LaunchRequest& request, bool folderEntriesListed, const DirectoryTest& isDirectory) {
    if (request.target.empty()) return DispatchStep::nothing;
    if (request.withCtrl) {
        if (isDirectory(request.target)) return DispatchStep::execute;
        request.target = folderOf(request.target);
        if (!request.target.empty() && isDirectory(request.target)) return DispatchStep::execute;
        return DispatchStep::nothing;
    }
    if (isDirectory(request.target)) return DispatchStep::openFolderView;
    if (!folderEntriesListed || request.fromItemView || request.fromCandidateList || request.viaTool)
        return DispatchStep::execute;
    return DispatchStep::activateFirstItem;
}

void applyShortcut(LaunchRequest& request, const Table& shortcutRows) {
    for (const TableRow& row : shortcutRows) {
        // A row without a program cannot launch anything.
        if (row.size() < 2) continue;
        const std::wstring& keyword = row[0];
        if (request.target.compare(0, keyword.size(), keyword) != 0) continue;
        const std::wstring rest = trimSpaces(std::wstring_view(request.target).substr(keyword.size()));
        if (!rest.empty()) {
            request.parameters = rest;
            request.hasParameters = true;
        }
        request.program = row[1];
        request.viaShortcut = true;
        return;
    }
}

ShellOpen shellOpenFor(const LaunchRequest& request) {
    if (request.viaShortcut) return {request.program, request.parameters, request.hasParameters};
    if (request.viaTool) return {request.program, request.target, true};
    return {request.target, request.parameters, request.hasParameters};
}

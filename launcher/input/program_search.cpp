#include "program_search.h"

#include <vector>

namespace {

// What Windows uses when PATHEXT is not set.
constexpr std::wstring_view defaultPathExt = L".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC";

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
    return text;
}

// Entries of a list separated by ";", trimmed and unquoted, empty ones dropped.
std::vector<std::wstring> listEntries(std::wstring_view list) {
    std::vector<std::wstring> entries;
    while (!list.empty()) {
        const size_t end = list.find(L';');
        const std::wstring_view entry = trimmed(list.substr(0, end));
        if (!entry.empty()) entries.emplace_back(entry);
        list = end == std::wstring_view::npos ? std::wstring_view() : list.substr(end + 1);
    }
    return entries;
}

bool isAsciiLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// "C:\..." or "\\server\share". "C:" and "C:folder" mean the drive's current
// folder, and a relative entry the process's: both are skipped.
bool isAbsolutePath(std::wstring_view path) {
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    if (path.size() >= 3 && isAsciiLetter(path[0]) && path[1] == L':' && separator(path[2])) return true;
    return path.size() >= 2 && separator(path[0]) && separator(path[1]);
}

bool hasExtension(std::wstring_view name) {
    const size_t dot = name.rfind(L'.');
    return dot != std::wstring_view::npos && dot > 0 && dot + 1 < name.size();
}

std::wstring lowerAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

// The file names the name may stand for, in the order they are tried.
std::vector<std::wstring> fileNamesFor(const std::wstring& name, std::wstring_view pathExt) {
    if (hasExtension(name)) return {name};
    std::vector<std::wstring> names;
    for (const std::wstring& extension : listEntries(pathExt.empty() ? defaultPathExt : pathExt)) {
        if (extension.size() > 1 && extension[0] == L'.') names.push_back(name + lowerAscii(extension));
    }
    return names;
}

std::wstring inFolder(std::wstring folder, const std::wstring& name) {
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    return folder + name;
}

} // namespace

bool isBareName(std::wstring_view text) {
    return !text.empty() && text.find_first_of(L":\\/") == std::wstring_view::npos;
}

std::wstring resolveProgram(const std::wstring& text, const ProgramPlaces& places) {
    if (!isBareName(text)) return text;
    const std::vector<std::wstring> names = fileNamesFor(text, places.pathExt);
    for (const auto* appPath : {&places.currentUserAppPath, &places.machineAppPath}) {
        if (!*appPath) continue;
        for (const std::wstring& name : names) {
            const std::wstring found(trimmed((*appPath)(name)));
            if (isAbsolutePath(found) && places.isFile(found)) return found;
        }
    }
    std::vector<std::wstring> folders{places.systemFolder, places.windowsFolder};
    for (std::wstring& folder : listEntries(places.path)) folders.push_back(std::move(folder));
    for (const std::wstring& folder : folders) {
        if (!isAbsolutePath(folder)) continue;
        for (const std::wstring& name : names) {
            const std::wstring path = inFolder(folder, name);
            if (places.isFile(path)) return path;
        }
    }
    return text;
}

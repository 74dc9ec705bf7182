#include "module_folder.h"

namespace {

constexpr unsigned long firstSize = 260;
// The longest path the system gives, with its terminating zero.
constexpr unsigned long largestSize = 32768;

} // namespace

std::wstring moduleFolder(const ModuleNameReader& readName) {
    std::wstring name;
    for (unsigned long size = firstSize;; size = size * 2 < largestSize ? size * 2 : largestSize) {
        name.assign(size, L'\0');
        const unsigned long length = readName(name.data(), size);
        if (length == 0) return {};
        if (length < size) {
            name.resize(length);
            break;
        }
        if (size == largestSize) return {};
    }
    const size_t backslash = name.rfind(L'\\');
    if (backslash == std::wstring::npos) return {};
    return name.substr(0, backslash);
}

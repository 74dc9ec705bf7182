#pragma once
// The reference: the cmigemo command's regular expression for each word, with
// the same dictionary, matched by the C library in a UTF-8 locale.
#include <string>
#include <vector>

// For each word, which of the names (UTF-8) its expression matches; empty
// when the command is not installed.
std::vector<std::vector<bool>> referenceLists(const std::string& dictionaryPath, const std::vector<std::string>& words,
                                              const std::vector<std::string>& names);

#pragma once
// The candidate list: the most recent history entries that match the query.
#include <cstdint>
#include <string>
#include <vector>

constexpr size_t maxCandidates = 15;

// Walks the history from the front and stops at the 15th entry that matches
// the query, contains the folder (as a second query) and matches no
// notShowList item.
std::vector<std::wstring> collectCandidates(const std::vector<std::wstring>& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList);

// What the candidate list shows: the collected entries shortened by the F12 levels.
std::vector<std::wstring> candidatesFor(const std::vector<std::wstring>& historyList, const std::wstring& query,
                                        const std::wstring& folder, const std::vector<std::wstring>& notShowList,
                                        int32_t parentLevels);

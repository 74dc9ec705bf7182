#pragma once
// The candidate list: the most recent history entries that match the query.
#include "common/kana_query.h"
#include "launcher/history/history_list.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr size_t maxCandidates = 15;

// Walks the history from the front and stops at the 15th entry that matches
// the query, contains the folder (as a second query) and matches no
// notShowList item (a blank item hides nothing). Only taken entries are copied.
std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList);

// The same with kanaMatch on: the query read as common/kana_query.h says,
// over the folded history; the folder and notShowList keep the exact rule.
// Off, exactly the walk above.
std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList, const KanaMatching& kana);

// What the candidate list shows: the collected entries shortened by the F12 levels.
std::vector<std::wstring> candidatesFor(const HistoryList& historyList, const std::wstring& query,
                                        const std::wstring& folder, const std::vector<std::wstring>& notShowList,
                                        int32_t parentLevels, const KanaMatching& kana = {});

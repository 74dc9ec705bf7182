#pragma once
// The candidate list: the most recent history entries that match the query.
#include "common/matching.h"
#include "launcher/history/history_list.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr size_t maxCandidates = 15;

// Walks the history from the front and stops at the 15th entry that matches
// the query, contains the folder (as a second query) and matches no
// notShowList item (a blank item hides nothing). Only taken entries are copied.
// With kanaMatch on, the query is read over the folded history; the folder and
// notShowList keep the exact rule.
std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const TypedQuery& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList);
// The same for the text typed, compiled with the kanaMatch choice (off unless given).
std::vector<std::wstring> collectCandidates(const HistoryList& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList,
                                            const KanaMatching& kana = {});
// The walk with kanaMatch on (candidates_kana.cpp).
std::vector<std::wstring> collectKanaCandidates(const HistoryList& historyList, const KanaQuery& typed,
                                                const std::wstring& folder,
                                                const std::vector<std::wstring>& notShowList);

// What the candidate list shows: the collected entries shortened by the F12 levels.
std::vector<std::wstring> candidatesFor(const HistoryList& historyList, const std::wstring& query,
                                        const std::wstring& folder, const std::vector<std::wstring>& notShowList,
                                        int32_t parentLevels, const KanaMatching& kana = {});

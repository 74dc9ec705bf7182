#include "candidates.h"

#include "matching.h"
#include "text_helpers.h"

std::vector<std::wstring> collectCandidates(const std::vector<std::wstring>& historyList, const std::wstring& query,
                                            const std::wstring& folder,
                                            const std::vector<std::wstring>& notShowList) {
    const CompiledQuery typed = compileQuery(query);
    const CompiledQuery inFolder = compileQuery(folder);
    std::vector<CompiledQuery> hidden;
    hidden.reserve(notShowList.size());
    for (const std::wstring& item : notShowList) hidden.push_back(compileQuery(item));

    std::vector<std::wstring> taken;
    for (const std::wstring& entry : historyList) {
        if (!matchesCompiled(entry, typed) || !matchesCompiled(entry, inFolder)) continue;
        bool isHidden = false;
        for (const CompiledQuery& item : hidden) {
            if (matchesCompiled(entry, item)) {
                isHidden = true;
                break;
            }
        }
        if (isHidden) continue;
        taken.push_back(entry);
        if (taken.size() == maxCandidates) break;
    }
    return taken;
}

std::vector<std::wstring> candidatesFor(const std::vector<std::wstring>& historyList, const std::wstring& query,
                                        const std::wstring& folder, const std::vector<std::wstring>& notShowList,
                                        int32_t parentLevels) {
    return reduceToParents(collectCandidates(historyList, query, folder, notShowList), parentLevels);
}

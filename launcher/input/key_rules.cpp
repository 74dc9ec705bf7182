#include "key_rules.h"

int32_t shiftedCandidateIndex(wchar_t character) {
    if (character < 0x21 || character > 0x2A) return -1;
    return static_cast<int32_t>(character) - 0x21;
}

int32_t shiftedCandidateIndex(uint32_t virtualKey, wchar_t character) {
    if (virtualKey == packetKey) return shiftedCandidateIndex(character);
    if (virtualKey == '0') return 9;
    if (virtualKey >= '1' && virtualKey <= '9') return static_cast<int32_t>(virtualKey - '1');
    return -1;
}

bool isDigitCharacter(wchar_t character) {
    return character >= L'0' && character <= L'9';
}

int32_t digitRowIndex(wchar_t character) {
    return static_cast<int32_t>(character) - 0x31;
}

std::wstring submitTarget(const std::wstring& inputText, const std::wstring& shownFolder, bool withCtrl) {
    if (!shownFolder.empty() && (inputText.empty() || withCtrl)) return shownFolder;
    return inputText;
}

EscapeStep escapeStep(bool inputEmpty, int32_t parentLevels, bool folderShown) {
    if (!inputEmpty) return EscapeStep::clearText;
    if (parentLevels != 0) return EscapeStep::resetParentLevels;
    if (folderShown) return EscapeStep::leaveFolder;
    return EscapeStep::dismiss;
}

#pragma once
// The fixed texts of the message box that reports a failed hotkey.
inline constexpr wchar_t hotkeyFailureText[] = L"ホットキーの設定に失敗しました。";
inline constexpr wchar_t hotkeyFailureCaption[] = L"ホットキーの設定に失敗";

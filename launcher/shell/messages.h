#pragma once
// The fixed texts the launcher shows in message boxes.
inline constexpr wchar_t hotkeyFailureText[] = L"ホットキーの設定に失敗しました。";
inline constexpr wchar_t hotkeyFailureCaption[] = L"ホットキーの設定に失敗";
inline constexpr wchar_t clipFileRefusedText[] = L"コピーできるのは16MBまでの通常のファイルです。";
inline constexpr wchar_t clipFileRefusedCaption[] = L"コピーに失敗";

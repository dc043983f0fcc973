#pragma once
// What a send of the settings to a printer says: the main window shows these
// texts in message boxes and /send prints them on its lines, kept in one place
// so that the two say the same. Portable.

inline constexpr wchar_t kSentText[] = L"プリンタに設定値を送信しました。";
inline constexpr wchar_t kFilePortText[] = L"接続先がFILEのため設定値を送信できません。";
inline constexpr wchar_t kPrinterUnusableText[] = L"指定されたプリンタは、現在接続されていないか、"
                                                  L"プリンタ使用権の制限により使用できません。";

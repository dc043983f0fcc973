#pragma once
// Text as UTF-8, for the files and the standard error that other programs
// read. Portable. The way back, on the Windows side, is Widen (framework/Text.h).

#include <string>

// UTF-16 (or UTF-32, where wchar_t is 32 bits wide) to UTF-8. An unpaired
// surrogate becomes U+FFFD.
std::string Utf8(const std::wstring& text);

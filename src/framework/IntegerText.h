#pragma once
// Reading a whole number typed into a dialog control. Portable: no windows.h.

#include <optional>
#include <string>

// The integer that `text` holds: optional blanks, an optional sign, decimal
// digits, optional blanks, and nothing else. Empty text, other characters and
// values beyond the range of int give no value.
std::optional<int> ParseInteger(const std::wstring& text);

// `pattern` with every "%1" replaced by `first` and every "%2" by `second`.
std::wstring FillPlaceholders(const std::wstring& pattern, const std::wstring& first,
                              const std::wstring& second);

#pragma once
// Reading and writing settings files on disk.

#include "settings/SettingsBlock.h"

#include <optional>
#include <string>

// The block of a settings file, or nothing when the file cannot be opened or
// is not a settings file. Reads at most the 213 bytes a settings file needs,
// whatever the file's length.
std::optional<SettingsBlock> ReadSettingsFile(const std::wstring& path);

// What the user is told of a file that ReadSettingsFile does not take, in a
// message box or on a line of the command line's report.
inline constexpr wchar_t kNotSettingsFileText[] = L"このファイルは設定ファイルではありません。";

enum class WriteResult {
    Written,
    AccessDenied, // the file could not be opened: no permission there
    OpenFailed,   // the file could not be opened for another reason
    WriteFailed,  // opened, but not every byte was written
};

// Writes the signature and the block from the first byte of the file. An
// existing longer file keeps its length; the bytes after the block are never
// read back.
WriteResult WriteSettingsFile(const std::wstring& path, const SettingsBlock& block);

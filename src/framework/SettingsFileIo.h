#pragma once
// Reading and writing settings files on disk.

#include "settings/SettingsBlock.h"

#include <cstddef>
#include <optional>
#include <string>

// The block of a settings file, or nothing when the file cannot be opened, is
// no disk file (a pipe or a device is closed unread) or is not a settings file. Reads at most the
// 213 bytes a settings file needs, whatever the file's length.
std::optional<SettingsBlock> ReadSettingsFile(const std::wstring& path);

// True when the path names an existing file, not a folder.
bool IsExistingFile(const std::wstring& path);

// What the user is told of a file that ReadSettingsFile does not take, in a
// message box or on a line of the command line's report.
inline constexpr wchar_t kNotSettingsFileText[] = L"このファイルは設定ファイルではありません。";

enum class WriteResult {
    Written,
    AccessDenied, // the file could not be opened: no permission there
    OpenFailed,   // the file could not be opened for another reason
    WriteFailed,  // opened, but not every byte was written
};

// Writes the data into a temporary file in the target's folder and moves it
// over the target only when every byte is written, so that a failed write
// leaves an earlier file as it was.
WriteResult ReplaceFileWith(const std::wstring& path, const void* data, std::size_t size);

// Writes the signature and the block as the whole file, by ReplaceFileWith.
WriteResult WriteSettingsFile(const std::wstring& path, const SettingsBlock& block);

// What tells one file from every other, whatever the spelling of its path:
// the volume's serial number and the file's index on it.
struct FileIdentity {
    unsigned long volume;
    unsigned long long index;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};

// The identity of an existing file; nothing when it cannot be opened.
std::optional<FileIdentity> IdentityOf(const std::wstring& path);

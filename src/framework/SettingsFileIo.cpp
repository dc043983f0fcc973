#include "framework/SettingsFileIo.h"

#include "framework/WinApp.h"
#include "settings/SettingsFile.h"

#include <windows.h>

namespace {

// Opens an existing file or folder for its attributes only; a pipe server
// named as the path may only identify the program.
HANDLE OpenForQuery(const std::wstring& path) {
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                       nullptr);
}

// True when the path names something that exists and is no disk file: a
// device or a pipe, which is never replaced by a file.
bool IsExistingDevice(const std::wstring& path) {
    HANDLE file = OpenForQuery(path);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool device = GetFileType(file) != FILE_TYPE_DISK;
    CloseHandle(file);
    return device;
}

} // namespace

std::optional<SettingsBlock> ReadSettingsFile(const std::wstring& path) {
    // Writers are let in too: an editor or a sync client may hold the file
    // open for writing, and the file is only read here. A pipe server named
    // as the path may only identify the program, never act as it.
    HANDLE file = CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    // A pipe, a console or a port may never answer a read: only disk files are read.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return std::nullopt;
    }
    SettingsFileImage image{};
    DWORD total = 0;
    while (total < image.size()) {
        DWORD got = 0;
        if (!ReadFile(file, image.data() + total, static_cast<DWORD>(image.size() - total), &got,
                      nullptr) ||
            got == 0) {
            break;
        }
        total += got;
    }
    CloseHandle(file);
    return ParseSettingsFile(image.data(), total);
}

bool IsExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

WriteResult ReplaceFileWith(const std::wstring& path, const void* data, std::size_t size) {
    // The folder of the target, where a temporary file can be renamed over it.
    // (empty for a bare name, which lives in the current folder)
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/:") + 1);
    if (IsExistingDevice(path)) {
        return WriteResult::WriteFailed;
    }
    // A new file of its own beside the target. Named here rather than by GetTempFileNameW,
    // which takes folders of at most MAX_PATH - 14 characters only.
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (DWORD attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        temporary = folder + L"~kvswbd-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(GetTickCount() + attempt) + L".tmp";
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return GetLastError() == ERROR_ACCESS_DENIED ? WriteResult::AccessDenied
                                                         : WriteResult::OpenFailed;
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return WriteResult::OpenFailed;
    }
    bool ok = WriteAll(file, data, size);
    // A failed close can lose buffered data too, so it counts as a failed write.
    ok = CloseHandle(file) != 0 && ok;
    if (ok && MoveFileExW(temporary.c_str(), path.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return WriteResult::Written;
    }
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    if (ok) { // written in full, but the target could not be replaced
        return error == ERROR_ACCESS_DENIED ? WriteResult::AccessDenied : WriteResult::OpenFailed;
    }
    return WriteResult::WriteFailed;
}

WriteResult WriteSettingsFile(const std::wstring& path, const SettingsBlock& block) {
    const SettingsFileImage image = BuildSettingsFile(block);
    return ReplaceFileWith(path, image.data(), image.size());
}

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
    HANDLE file = OpenForQuery(path);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (!known) {
        return std::nullopt;
    }
    return FileIdentity{info.dwVolumeSerialNumber,
                        (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) |
                            info.nFileIndexLow};
}

#include "framework/SettingsFileIo.h"

#include "framework/WinApp.h"
#include "settings/SettingsFile.h"

#include <windows.h>

std::optional<SettingsBlock> ReadSettingsFile(const std::wstring& path) {
    // Writers are let in too: an editor or a sync client may hold the file
    // open for writing, and the file is only read here.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
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

WriteResult WriteSettingsFile(const std::wstring& path, const SettingsBlock& block) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_ACCESS_DENIED ? WriteResult::AccessDenied
                                                     : WriteResult::OpenFailed;
    }
    const SettingsFileImage image = BuildSettingsFile(block);
    const bool ok = WriteAll(file, image.data(), image.size());
    // A failed close can lose buffered data too, so it counts as a failed write.
    const bool closed = CloseHandle(file) != 0;
    return ok && closed ? WriteResult::Written : WriteResult::WriteFailed;
}

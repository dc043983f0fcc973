#include "settingslist/SettingsListFile.h"

#include "framework/WinApp.h"
#include "settingslist/SettingsListCsv.h"

#include <windows.h>

bool WriteSettingsListFile(const std::wstring& path, const std::vector<ComparedRow>& rows) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const std::string csv = SettingsListCsv(rows);
    const bool ok = WriteAll(file, csv.data(), csv.size());
    // A failed close can lose buffered data too, so it counts as a failed write.
    return CloseHandle(file) != 0 && ok;
}

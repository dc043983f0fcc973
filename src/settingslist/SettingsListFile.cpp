#include "settingslist/SettingsListFile.h"

#include "framework/SettingsFileIo.h"
#include "settingslist/SettingsListCsv.h"

bool WriteSettingsListFile(const std::wstring& path, const std::vector<ComparedRow>& rows) {
    const std::string csv = SettingsListCsv(rows);
    return ReplaceFileWith(path, csv.data(), csv.size()) == WriteResult::Written;
}

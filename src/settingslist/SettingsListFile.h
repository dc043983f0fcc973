#pragma once
// Saving the settings list as a CSV file, for the settings list dialog and
// the /report command alike.

#include "settingslist/SettingsCatalogue.h"

#include <string>
#include <vector>

// Writes the rows as CSV (SettingsListCsv), replacing a file of that name
// only once the whole CSV is written (ReplaceFileWith).
// False when the file cannot be created or any part of it is not written.
bool WriteSettingsListFile(const std::wstring& path, const std::vector<ComparedRow>& rows);

// What the user is told when WriteSettingsListFile fails, in a message box or
// on a line of the command line's report.
inline constexpr wchar_t kSettingsListNotSavedText[] = L"設定一覧の保存に失敗しました。";

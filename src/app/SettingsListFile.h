#pragma once
// Saving the settings list as a CSV file, for the settings list dialog and
// the /report command alike.

#include "pages/SettingsCatalogue.h"

#include <string>
#include <vector>

// Writes the rows as CSV (SettingsListCsv), replacing a file of that name.
// False when the file cannot be created or any part of it is not written.
bool WriteSettingsListFile(const std::wstring& path, const std::vector<ComparedRow>& rows);

#pragma once
// The settings list as a CSV file for spreadsheet programs: UTF-8 with a
// byte-order mark, CRLF line ends, fields quoted as RFC 4180 requires.
// Portable: no windows.h.

#include "framework/Utf8.h"
#include "settingslist/SettingsCatalogue.h"

#include <string>
#include <vector>

// The header "ページ,項目,設定値,比較先,相違" and one line per row; the last
// column holds "*" where the values differ.
std::string SettingsListCsv(const std::vector<ComparedRow>& rows);

// One field: quoted when it holds a comma, a quote or a line break, with
// every quote doubled.
std::string CsvField(const std::wstring& text);

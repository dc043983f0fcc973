#include "settingslist/SettingsListCsv.h"

std::string CsvField(const std::wstring& text) {
    if (text.find_first_of(L",\"\r\n") == std::wstring::npos) {
        return Utf8(text);
    }
    std::string quoted = "\"";
    for (const char c : Utf8(text)) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string SettingsListCsv(const std::vector<ComparedRow>& rows) {
    std::string csv = "\xEF\xBB\xBF" + Utf8(L"ページ,項目,設定値,比較先,相違") + "\r\n";
    for (const ComparedRow& row : rows) {
        csv += CsvField(row.page) + "," + CsvField(row.label) + "," + CsvField(row.value) + "," +
               CsvField(row.other) + "," + (row.differs ? "*" : "") + "\r\n";
    }
    return csv;
}

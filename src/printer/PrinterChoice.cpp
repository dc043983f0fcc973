#include "printer/PrinterChoice.h"

#include <algorithm>

const wchar_t kModelDriverName[] = L"Korrin Vellatype 44QX";
const wchar_t kFilePortName[] = L"FILE:";

namespace {

constexpr std::uint32_t kStatusUserIntervention = 0x00100000;
constexpr std::uint32_t kAttributeNetwork = 0x10;

} // namespace

bool IsModelDriver(const std::wstring& driverName) {
    return driverName == kModelDriverName;
}

bool NeedsIntervention(std::uint32_t status) {
    return (status & kStatusUserIntervention) != 0;
}

std::wstring ConnectionColumn(std::uint32_t attributes, const std::wstring& serverName,
                              const std::wstring& portName) {
    return attributes == kAttributeNetwork ? serverName : portName;
}

bool IsFilePort(const std::wstring& port) {
    return port == kFilePortName;
}

namespace {

wchar_t UpperCase(wchar_t c) {
    const bool lower = (c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
                       (c >= 0xFF41 && c <= 0xFF5A); // full-width a to z
    return lower ? wchar_t(c - 0x20) : c;
}

} // namespace

bool SamePrinterName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return UpperCase(x) == UpperCase(y); });
}

int PreselectedRow(const std::vector<PrinterRow>& rows, const std::wstring& selectedName) {
    if (rows.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].name == selectedName) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

ListOutcome DecideAfterListing(const std::vector<PrinterRow>& rows, bool startupComplete) {
    if (rows.empty()) {
        return ListOutcome::NoPrinters;
    }
    if (!startupComplete && rows.size() == 1) {
        return ListOutcome::AcceptAtOnce;
    }
    const bool allFile = std::all_of(rows.begin(), rows.end(),
                                     [](const PrinterRow& row) { return IsFilePort(row.port); });
    return allFile ? ListOutcome::OnlyFilePorts : ListOutcome::WaitForUser;
}

OkOutcome DecideOk(const std::vector<PrinterRow>& rows, int selectedRow) {
    if (selectedRow < 0 || selectedRow >= static_cast<int>(rows.size())) {
        return OkOutcome::NoSelection;
    }
    if (!IsFilePort(rows[selectedRow].port)) {
        return OkOutcome::Accept;
    }
    return rows.size() == 1 ? OkOutcome::FilePortOnlyRow : OkOutcome::FilePortChooseOther;
}

bool CancelEndsProgram(const std::wstring& selectedName, const std::wstring& selectedPort,
                       bool startupComplete) {
    if (selectedName.empty() && selectedPort.empty()) {
        return true;
    }
    return IsFilePort(selectedPort) && !startupComplete;
}

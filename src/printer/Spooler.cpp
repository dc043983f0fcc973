#include "printer/Spooler.h"

#include "framework/WinApp.h"

#include <windows.h>
#include <winspool.h>

namespace {

const wchar_t kJobName[] = L"Switchboard Status Write";

// Runs an EnumPrinters query twice: first for the size, then for the data.
std::vector<BYTE> EnumeratePrinters(DWORD flags, const std::wstring& name, DWORD level,
                                    DWORD& count) {
    LPWSTR namePtr = name.empty() ? nullptr : const_cast<LPWSTR>(name.c_str());
    DWORD needed = 0;
    count = 0;
    EnumPrintersW(flags, namePtr, level, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 ||
        !EnumPrintersW(flags, namePtr, level, buffer.data(), needed, &needed, &count)) {
        count = 0;
    }
    return buffer;
}

std::wstring Text(const wchar_t* text) {
    return text ? std::wstring(text) : std::wstring();
}

HANDLE OpenForUse(const std::wstring& name, bool ntPlatform) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, ntPlatform ? ACCESS_MASK{PRINTER_ACCESS_USE} : 0};
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &printer, &defaults)) {
        return nullptr;
    }
    return printer;
}

// On older platforms an open printer is usable unless its status asks for
// the user's intervention.
bool StatusAllowsUse(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    if (needed == 0) {
        return false;
    }
    std::vector<BYTE> buffer(needed);
    if (!GetPrinterW(printer, 2, buffer.data(), needed, &needed)) {
        return false;
    }
    return !NeedsIntervention(reinterpret_cast<PRINTER_INFO_2W*>(buffer.data())->Status);
}

std::vector<PrinterRow> ListNt() {
    std::vector<PrinterRow> rows;
    DWORD count = 0;
    const std::vector<BYTE> level4 =
        EnumeratePrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, L"", 4, count);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(level4.data());
    for (DWORD i = 0; i < count; ++i) {
        const std::wstring name = Text(printers[i].pPrinterName);
        DWORD detailCount = 0;
        const std::vector<BYTE> level2 =
            EnumeratePrinters(PRINTER_ENUM_NAME, Text(printers[i].pServerName), 2, detailCount);
        const auto* details = reinterpret_cast<const PRINTER_INFO_2W*>(level2.data());
        for (DWORD j = 0; j < detailCount; ++j) {
            if (Text(details[j].pPrinterName) != name ||
                !IsModelDriver(Text(details[j].pDriverName))) {
                continue;
            }
            HANDLE printer = OpenForUse(name, true);
            if (printer != nullptr) {
                ClosePrinter(printer);
                rows.push_back(
                    {name, ConnectionColumn(printers[i].Attributes, Text(details[j].pServerName),
                                            Text(details[j].pPortName))});
            }
            break;
        }
    }
    return rows;
}

std::vector<PrinterRow> ListOther() {
    std::vector<PrinterRow> rows;
    DWORD count = 0;
    const std::vector<BYTE> level2 = EnumeratePrinters(PRINTER_ENUM_LOCAL, L"", 2, count);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(level2.data());
    for (DWORD i = 0; i < count; ++i) {
        if (IsModelDriver(Text(printers[i].pDriverName)) &&
            !NeedsIntervention(printers[i].Status)) {
            rows.push_back({Text(printers[i].pPrinterName), Text(printers[i].pPortName)});
        }
    }
    return rows;
}

} // namespace

bool IsNtPlatform() {
    return WindowsVersion().dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::vector<PrinterRow> ListModelPrinters(bool ntPlatform) {
    return ntPlatform ? ListNt() : ListOther();
}

bool SendSettingsJob(const std::wstring& printerName, const SettingsBlock& block, bool ntPlatform) {
    HANDLE printer = OpenForUse(printerName, ntPlatform);
    if (printer == nullptr) {
        return false;
    }
    bool sent = false;
    if (ntPlatform || StatusAllowsUse(printer)) {
        DOC_INFO_1W document{const_cast<LPWSTR>(kJobName), nullptr, nullptr};
        if (StartDocPrinterW(printer, 1, reinterpret_cast<BYTE*>(&document)) != 0) {
            ResetPrinterW(printer, nullptr);
            DWORD written = 0;
            sent = WritePrinter(printer, const_cast<std::uint8_t*>(block.bytes.data()), kBlockSize,
                                &written) &&
                   written == kBlockSize;
            EndDocPrinter(printer);
        }
    }
    ClosePrinter(printer);
    return sent;
}

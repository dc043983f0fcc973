#include "printer/Spooler.h"

#include "framework/WinApp.h"

namespace {

const wchar_t kJobName[] = L"Switchboard Status Write";
// Named, not left to the queue's default: a queue that renders its default
// data type would not pass the block through byte for byte.
const wchar_t kRawDataType[] = L"RAW";

// A spooler query that fills a caller's buffer: asked first with a buffer
// that holds the answer for a few printers (so that one call is usually
// enough: each costs a trip to the spooler), then again with a buffer of the
// size it named, for as long as it answers that the buffer is too small (a
// printer added between two calls makes the answer grow). Empty when the
// query fails.
template <class Query> std::vector<BYTE> QueryGrowing(Query query) {
    constexpr int kMaxQueries = 10; // a spooler that never settles counts as failed
    constexpr std::size_t kFirstSize = 8192;
    std::vector<BYTE> buffer(kFirstSize);
    for (int i = 0; i < kMaxQueries; ++i) {
        DWORD needed = 0;
        if (query(buffer.data(), static_cast<DWORD>(buffer.size()), needed)) {
            return buffer;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) {
            break;
        }
        buffer.resize(needed);
    }
    return {};
}

std::vector<BYTE> EnumeratePrinters(const SpoolerCalls& spooler, DWORD flags,
                                    const std::wstring& name, DWORD level, DWORD& count) {
    LPWSTR namePtr = name.empty() ? nullptr : const_cast<LPWSTR>(name.c_str());
    count = 0;
    std::vector<BYTE> buffer = QueryGrowing([&](BYTE* data, DWORD size, DWORD& needed) {
        return spooler.enumPrinters(flags, namePtr, level, data, size, &needed, &count) != FALSE;
    });
    if (buffer.empty()) {
        count = 0;
    }
    return buffer;
}

std::wstring Text(const wchar_t* text) {
    return text ? std::wstring(text) : std::wstring();
}

HANDLE OpenForUse(const SpoolerCalls& spooler, const std::wstring& name, bool ntPlatform) {
    PRINTER_DEFAULTSW defaults{nullptr, nullptr, ntPlatform ? ACCESS_MASK{PRINTER_ACCESS_USE} : 0};
    HANDLE printer = nullptr;
    if (!spooler.openPrinter(const_cast<LPWSTR>(name.c_str()), &printer, &defaults)) {
        return nullptr;
    }
    return printer;
}

// On older platforms an open printer is usable unless its status asks for
// the user's intervention.
bool StatusAllowsUse(const SpoolerCalls& spooler, HANDLE printer) {
    const std::vector<BYTE> info = QueryGrowing([&](BYTE* data, DWORD size, DWORD& needed) {
        return spooler.getPrinter(printer, 2, data, size, &needed) != FALSE;
    });
    return !info.empty() &&
           !NeedsIntervention(reinterpret_cast<const PRINTER_INFO_2W*>(info.data())->Status);
}

std::vector<PrinterRow> ListNt(const SpoolerCalls& spooler) {
    std::vector<PrinterRow> rows;
    DWORD count = 0;
    const std::vector<BYTE> level4 =
        EnumeratePrinters(spooler, PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, L"", 4, count);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(level4.data());
    for (DWORD i = 0; i < count; ++i) {
        const std::wstring name = Text(printers[i].pPrinterName);
        DWORD detailCount = 0;
        const std::vector<BYTE> level2 = EnumeratePrinters(
            spooler, PRINTER_ENUM_NAME, Text(printers[i].pServerName), 2, detailCount);
        const auto* details = reinterpret_cast<const PRINTER_INFO_2W*>(level2.data());
        for (DWORD j = 0; j < detailCount; ++j) {
            if (Text(details[j].pPrinterName) != name ||
                !IsModelDriver(Text(details[j].pDriverName))) {
                continue;
            }
            HANDLE printer = OpenForUse(spooler, name, true);
            if (printer != nullptr) {
                spooler.closePrinter(printer);
                rows.push_back(
                    {name, ConnectionColumn(printers[i].Attributes, Text(details[j].pServerName),
                                            Text(details[j].pPortName))});
            }
            break;
        }
    }
    return rows;
}

std::vector<PrinterRow> ListOther(const SpoolerCalls& spooler) {
    std::vector<PrinterRow> rows;
    DWORD count = 0;
    const std::vector<BYTE> level2 = EnumeratePrinters(spooler, PRINTER_ENUM_LOCAL, L"", 2, count);
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2W*>(level2.data());
    for (DWORD i = 0; i < count; ++i) {
        if (IsModelDriver(Text(printers[i].pDriverName)) &&
            !NeedsIntervention(printers[i].Status)) {
            rows.push_back({Text(printers[i].pPrinterName), Text(printers[i].pPortName)});
        }
    }
    return rows;
}

// Writes the block into the started job and ends it; a job that did not take
// every byte is aborted instead, so no part of the command reaches the printer.
bool WriteJob(const SpoolerCalls& spooler, HANDLE printer, const SettingsBlock& block) {
    DWORD written = 0;
    const bool complete =
        spooler.writePrinter(printer, const_cast<std::uint8_t*>(block.bytes.data()), kBlockSize,
                             &written) &&
        written == kBlockSize;
    if (!complete) {
        spooler.abortPrinter(printer);
        return false;
    }
    // A job that the spooler does not end is not committed: nothing was sent.
    return spooler.endDoc(printer) != 0;
}

} // namespace

const SpoolerCalls& SystemSpooler() {
    static const SpoolerCalls calls{EnumPrintersW,    OpenPrinterW,  GetPrinterW,
                                    StartDocPrinterW, ResetPrinterW, WritePrinter,
                                    EndDocPrinter,    AbortPrinter,  ClosePrinter};
    return calls;
}

bool IsNtPlatform() {
    return WindowsVersion().dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::vector<PrinterRow> ListModelPrinters(bool ntPlatform, const SpoolerCalls& spooler) {
    return ntPlatform ? ListNt(spooler) : ListOther(spooler);
}

bool SendSettingsJob(const std::wstring& printerName, const SettingsBlock& block, bool ntPlatform,
                     const SpoolerCalls& spooler) {
    HANDLE printer = OpenForUse(spooler, printerName, ntPlatform);
    if (printer == nullptr) {
        return false;
    }
    bool sent = false;
    if (ntPlatform || StatusAllowsUse(spooler, printer)) {
        DOC_INFO_1W document{const_cast<LPWSTR>(kJobName), nullptr,
                             const_cast<LPWSTR>(kRawDataType)};
        if (spooler.startDoc(printer, 1, reinterpret_cast<BYTE*>(&document)) != 0) {
            spooler.resetPrinter(printer, nullptr);
            sent = WriteJob(spooler, printer, block);
        }
    }
    spooler.closePrinter(printer);
    return sent;
}

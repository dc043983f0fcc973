#pragma once
// The decisions of the printer selection, free of any window: which printers
// count, what the list shows, and what the dialog does with a choice.

#include <cstdint>
#include <string>
#include <vector>

extern const wchar_t kModelDriverName[]; // the driver every listed printer must use
extern const wchar_t kFilePortName[];    // a port the settings can never be sent to

struct PrinterRow {
    std::wstring name; // column 0
    std::wstring port; // column 1: port, or server of a network printer
};

// Exact, case-sensitive comparison with the model's driver name.
bool IsModelDriver(const std::wstring& driverName);
// A printer whose status asks for the user's intervention is not usable.
bool NeedsIntervention(std::uint32_t status);
// Column 1 of a printer: its server when the printer is a network printer and
// nothing else (attributes exactly 0x10), its port otherwise.
std::wstring ConnectionColumn(std::uint32_t attributes, const std::wstring& serverName,
                              const std::wstring& portName);

bool IsFilePort(const std::wstring& port);

// Printer names are compared as Windows compares them: without regard to the
// case of Latin letters (ASCII, Latin-1 and full-width).
bool SamePrinterName(const std::wstring& a, const std::wstring& b);

// Row to select when the list opens: the one named, else the first; -1 for an
// empty list.
int PreselectedRow(const std::vector<PrinterRow>& rows, const std::wstring& selectedName);

enum class ListOutcome {
    NoPrinters,    // message, then the program ends
    AcceptAtOnce,  // start-up with a single printer: OK handling without showing the list
    OnlyFilePorts, // message, then the program ends
    WaitForUser,
};
ListOutcome DecideAfterListing(const std::vector<PrinterRow>& rows, bool startupComplete);

enum class OkOutcome {
    NoSelection,         // message, the dialog stays
    Accept,              // the dialog closes with OK
    FilePortOnlyRow,     // message, then the program ends
    FilePortChooseOther, // message, the dialog stays
};
OkOutcome DecideOk(const std::vector<PrinterRow>& rows, int selectedRow);

// Cancel closes the main window when nothing usable was chosen yet.
bool CancelEndsProgram(const std::wstring& selectedName, const std::wstring& selectedPort,
                       bool startupComplete);

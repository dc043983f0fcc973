#pragma once
// The print spooler calls of the program: listing the printers of the model
// and sending the settings block as one raw job.

#include "printer/PrinterChoice.h"
#include "settings/SettingsBlock.h"

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

// The spooler's entry points as the program calls them. Tests hand in their
// own, which wrap the system's to watch a call or to make it fail.
struct SpoolerCalls {
    decltype(&::EnumPrintersW) enumPrinters;
    decltype(&::OpenPrinterW) openPrinter;
    decltype(&::GetPrinterW) getPrinter;
    decltype(&::StartDocPrinterW) startDoc;
    decltype(&::ResetPrinterW) resetPrinter;
    decltype(&::WritePrinter) writePrinter;
    decltype(&::EndDocPrinter) endDoc;
    decltype(&::AbortPrinter) abortPrinter;
    decltype(&::ClosePrinter) closePrinter;
};
const SpoolerCalls& SystemSpooler();

// True on the Windows NT family, where opening a printer for use tells
// whether it can be used; older platforms report it in the printer status.
bool IsNtPlatform();

// Installed printers that use the model's driver and can be used now, in the
// spooler's order.
std::vector<PrinterRow> ListModelPrinters(bool ntPlatform,
                                          const SpoolerCalls& spooler = SystemSpooler());

// Sends the 190 bytes of the block as the data of one raw job. False when the
// printer cannot be used, refuses the job, does not take every byte or does
// not end the job; a job
// that did not take every byte is aborted, so nothing of it is printed.
bool SendSettingsJob(const std::wstring& printerName, const SettingsBlock& block, bool ntPlatform,
                     const SpoolerCalls& spooler = SystemSpooler());

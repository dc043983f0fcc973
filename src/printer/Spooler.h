#pragma once
// The print spooler calls of the program: listing the printers of the model
// and sending the settings block as one raw job.

#include "printer/PrinterChoice.h"
#include "settings/SettingsBlock.h"

#include <string>
#include <vector>

// True on the Windows NT family, where opening a printer for use tells
// whether it can be used; older platforms report it in the printer status.
bool IsNtPlatform();

// Installed printers that use the model's driver and can be used now, in the
// spooler's order.
std::vector<PrinterRow> ListModelPrinters(bool ntPlatform);

// Sends the 190 bytes of the block as the data of one raw job. False when the
// printer cannot be used, refuses the job or does not take every byte.
bool SendSettingsJob(const std::wstring& printerName, const SettingsBlock& block, bool ntPlatform);

#pragma once
// Which printers a send from the command line goes to: the printers named,
// each of which must be listed as the printer selection lists them (names
// compared without case, sent to under the listed spelling), or the one
// printer listed when none is named. Portable.

#include "printer/PrinterChoice.h"

#include <string>
#include <vector>

struct SendTargets {
    // 0 when the job may go to every printer in `names`; otherwise the exit
    // code of the command (kExitNoPrinter or kExitFilePort), and nothing is sent.
    int exitCode = 0;
    std::vector<std::wstring> names; // each printer once, in the order first named
    std::vector<std::wstring> lines; // what is wrong, one line each
};

SendTargets ChooseSendTargets(const std::vector<PrinterRow>& listed,
                              const std::vector<std::wstring>& requested);

// The lines of the send itself, one per printer.
std::wstring SentLine(const std::wstring& printer);
std::wstring SendFailedLine(const std::wstring& printer);

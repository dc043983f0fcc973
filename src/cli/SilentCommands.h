#pragma once
// The commands of the command line that show no window: the usage text, a
// usage error, the send and the settings list report. Each reports through ReportLine and gives the
// process's exit code; none takes the instance mutex or touches a running
// window.

#include "cli/CommandLine.h"
#include "printer/Spooler.h"

bool IsSilentCommand(Command command);
int RunSilentCommand(const ParsedCommandLine& commandLine,
                     const SpoolerCalls& spooler = SystemSpooler());

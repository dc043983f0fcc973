#include "app/SilentCommands.h"

#include "app/ConsoleReport.h"
#include "app/SettingsFileIo.h"
#include "printer/SendTargets.h"

#include <windows.h>

namespace {

void ReportUsage() {
    for (const std::wstring& line : UsageLines()) {
        ReportLine(line);
    }
}

// Reads the settings file, or reports why it cannot.
std::optional<SettingsBlock> ReadOperandFile(const std::wstring& path) {
    std::optional<SettingsBlock> block = ReadSettingsFile(path);
    if (!block) {
        ReportLine(path + L": このファイルは設定ファイルではありません。");
    }
    return block;
}

int Send(const ParsedCommandLine& commandLine, const SpoolerCalls& spooler) {
    const std::optional<SettingsBlock> block = ReadOperandFile(commandLine.operands.front());
    if (!block) {
        return kExitNotSettingsFile;
    }
    const bool nt = IsNtPlatform();
    const SendTargets targets =
        ChooseSendTargets(ListModelPrinters(nt, spooler), commandLine.Values(L"printer"));
    for (const std::wstring& line : targets.lines) {
        ReportLine(line);
    }
    if (targets.exitCode != kExitOk) {
        return targets.exitCode;
    }
    int exitCode = kExitOk;
    for (const std::wstring& printer : targets.names) {
        if (SendSettingsJob(printer, *block, nt, spooler)) {
            ReportLine(SentLine(printer));
        } else {
            ReportLine(SendFailedLine(printer));
            exitCode = kExitSendFailed;
        }
    }
    return exitCode;
}

} // namespace

bool IsSilentCommand(Command command) {
    return command != Command::OpenWindow;
}

int RunSilentCommand(const ParsedCommandLine& commandLine, const SpoolerCalls& spooler) {
    // A path on a drive without a medium must not bring up the system's box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    switch (commandLine.command) {
    case Command::ShowUsage:
        ReportUsage();
        return kExitOk;
    case Command::Send:
        return Send(commandLine, spooler);
    case Command::UsageError:
    case Command::OpenWindow:
        break;
    }
    ReportLine(commandLine.error);
    ReportUsage();
    return kExitUsage;
}

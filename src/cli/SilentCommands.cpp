#include "cli/SilentCommands.h"

#include "cli/ConsoleReport.h"
#include "cli/SendTargets.h"
#include "framework/SettingsFileIo.h"
#include "framework/SystemLibrary.h"
#include "settingslist/SettingsListFile.h"

#include <windows.h>

namespace {

// A DLL missing from the system folder ends the command with a line, not a
// message box that a batch file would wait on.
void ReportMissingLibraryAndEnd(const std::wstring& name) {
    ReportLine(name + L"をシステムフォルダから読み込めませんでした。");
    ExitProcess(kExitSendFailed);
}

void ReportUsage() {
    for (const std::wstring& line : UsageLines()) {
        ReportLine(line);
    }
}

// Reads the settings file, or reports why it cannot.
std::optional<SettingsBlock> ReadOperandFile(const std::wstring& path) {
    std::optional<SettingsBlock> block = ReadSettingsFile(path);
    if (!block) {
        ReportLine(path + L": " + kNotSettingsFileText);
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
    // What the window would send after reading the file.
    const SettingsBlock sent = CollectedBlock(*block);
    int exitCode = kExitOk;
    for (const std::wstring& printer : targets.names) {
        if (SendSettingsJob(printer, sent, nt, spooler)) {
            ReportLine(SentLine(printer));
        } else {
            ReportLine(SendFailedLine(printer));
            exitCode = kExitSendFailed;
        }
    }
    return exitCode;
}

// The settings list of the file, compared with the factory settings or with
// the file of /compare, as a CSV file.
int Report(const ParsedCommandLine& commandLine) {
    const std::optional<SettingsBlock> block = ReadOperandFile(commandLine.operands[0]);
    if (!block) {
        return kExitNotSettingsFile;
    }
    std::optional<SettingsBlock> other = FactoryBlock();
    for (const std::wstring& path : commandLine.Values(L"compare")) {
        other = ReadOperandFile(path);
    }
    if (!other) {
        return kExitNotSettingsFile;
    }
    const std::wstring& csvPath = commandLine.operands[1];
    // The output must never replace a file it is made from, however it is spelt.
    std::vector<std::wstring> inputs = commandLine.Values(L"compare");
    inputs.push_back(commandLine.operands[0]);
    if (const std::optional<FileIdentity> output = IdentityOf(csvPath)) {
        for (const std::wstring& input : inputs) {
            if (IdentityOf(input) == output) {
                ReportLine(csvPath + L": 出力先に読み込むファイルと同じファイルは指定できません。");
                return kExitUsage;
            }
        }
    }
    if (!WriteSettingsListFile(csvPath,
                               CompareSettings(CollectedBlock(*block), CollectedBlock(*other)))) {
        ReportLine(csvPath + L": " + kSettingsListNotSavedText);
        return kExitWriteFailed;
    }
    ReportLine(csvPath + L": 設定一覧を保存しました。");
    return kExitOk;
}

} // namespace

bool IsSilentCommand(Command command) {
    return command != Command::OpenWindow;
}

int RunSilentCommand(const ParsedCommandLine& commandLine, const SpoolerCalls& spooler) {
    // A path on a drive without a medium must not bring up the system's box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    OnSystemLibraryMissing(ReportMissingLibraryAndEnd);
    switch (commandLine.command) {
    case Command::ShowUsage:
        ReportUsage();
        return kExitOk;
    case Command::Send:
        return Send(commandLine, spooler);
    case Command::Report:
        return Report(commandLine);
    case Command::UsageError:
    case Command::OpenWindow:
        break;
    }
    ReportLine(commandLine.error);
    ReportUsage();
    return kExitUsage;
}

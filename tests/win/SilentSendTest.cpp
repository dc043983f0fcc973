#include "TestPrinters.h"
#include "cli/SilentCommands.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

constexpr wchar_t kMarker[] = L"Switchboard Silent Send Test";

int g_writes = 0;

// The first printer written to does not take the job.
BOOL WINAPI FirstWriteFails(HANDLE printer, LPVOID data, DWORD size, LPDWORD written) {
    return WritePrinter(printer, data, size, written) && ++g_writes > 1;
}

TEST(SilentSend, FailedPrinterDoesNotStopTheOthers) {
    InstallPrinterKey({L"Silent A", L"Korrin Vellatype 44QX", L"LPT1:"}, kMarker);
    InstallPrinterKey({L"Silent B", L"Korrin Vellatype 44QX", L"LPT1:"}, kMarker);
    const std::wstring path = WindowsPathOf(TempUnixPath(L"silent-send.dat"));
    const SettingsFileImage image = BuildSettingsFile(FactoryBlock());
    WriteFileBytes(path, std::vector<unsigned char>(image.begin(), image.end()));
    SpoolerCalls spooler = SystemSpooler();
    spooler.writePrinter = FirstWriteFails;

    const int exitCode = RunSilentCommand(
        ParseCommandLine({L"/send", path, L"/printer", L"Silent B", L"/printer", L"Silent A"}),
        spooler);

    EXPECT_EQ(exitCode, 6);
    EXPECT_EQ(g_writes, 2);
    for (const std::wstring& name : MarkedPrinters(kMarker)) {
        RemovePrinterKey(name);
    }
}

} // namespace

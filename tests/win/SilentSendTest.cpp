#include "TestPrinters.h"
#include "cli/SilentCommands.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

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

// A path that is no disk file is refused at once, however its other end behaves.
TEST(SilentSend, RefusesAPipeWithinASecond) {
    const wchar_t pipe[] = L"\\\\.\\pipe\\switchboard-silent";
    HANDLE server =
        CreateNamedPipeW(pipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 512, 512, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    auto run = std::async(std::launch::async, [&] {
        return RunSilentCommand(ParseCommandLine({L"/report", pipe, L"out.csv"}));
    });
    const bool ended = run.wait_for(std::chrono::seconds(1)) == std::future_status::ready;
    CloseHandle(server); // a read that waits on the pipe ends here
    EXPECT_TRUE(ended);
    EXPECT_EQ(run.get(), 3);
}

// The output of /report never replaces one of its inputs, however the path is spelt.
TEST(SilentSend, ReportRefusesToWriteOverItsInput) {
    const std::wstring path = WindowsPathOf(TempUnixPath(L"report-self.dat"));
    const SettingsFileImage image = BuildSettingsFile(FactoryBlock());
    const std::vector<unsigned char> bytes(image.begin(), image.end());
    const std::wstring other = WindowsPathOf(TempUnixPath(L"report-other.dat"));
    WriteFileBytes(path, bytes);
    WriteFileBytes(other, bytes);
    const std::wstring otherSpelling = WindowsPathOf(TempUnixPath(L".\\REPORT-SELF.DAT"));
    for (const std::vector<std::wstring>& args :
         {std::vector<std::wstring>{L"/report", path, otherSpelling},
          {L"/report", other, otherSpelling, L"/compare", path}}) {
        EXPECT_EQ(RunSilentCommand(ParseCommandLine(args)), 2) << args[1];
        EXPECT_EQ(ReadFileBytes(path), bytes) << args[1];
    }
    DeleteFileW(path.c_str());
    DeleteFileW(other.c_str());
}

} // namespace

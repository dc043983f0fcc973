// DLLs of system names beside the program are never loaded: the program is often run from a
// downloads folder where anything may lie beside it.
#include "FileDialog.h"
#include "ProgramTest.h"
#include "TestPrinters.h"

#include <filesystem>
#include <fstream>

namespace e2e {
namespace {

TEST(SystemLibraryTest, PlantedDllsBesideTheProgramAreIgnored) {
    const std::wstring folder = WindowsPathOf(TempUnixPath(L"planted"));
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\kvswbd.exe";
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));
    // Not loadable: loading either would stop the start or the open dialog. The help control
    // has its own test.
    for (const wchar_t* name : {L"WINSPOOL.DRV", L"comdlg32.dll"}) {
        std::ofstream(std::filesystem::path(folder + L"\\" + name), std::ios::binary)
            << "MZ planted, not a DLL";
    }

    Printers printers;
    ASSERT_TRUE(printers.Add({kDefaultPrinter}));
    Program app;
    app.UsePath(copy);
    ASSERT_TRUE(app.Start()) << "the printer list needs the spooler";

    app.Press(Ctrl('O'));
    std::optional<FileDialog> open = WaitForFileDialog(app);
    ASSERT_TRUE(open) << "the open dialog needs the common dialogs";
    open->Cancel();
    ASSERT_SOON(IsWindowEnabled(app.Window()) != FALSE);

    app.End();
}

} // namespace
} // namespace e2e

#pragma once
// Printers for tests, made the way the spooler under Wine finds them: a key
// per printer under the Printers key, and the port mapped to a Unix file.

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

struct TestPrinter {
    std::wstring name;
    std::wstring driver = L"Korrin Vellatype 44QX";
    std::wstring port = L"LPT1:";
    DWORD attributes = PRINTER_ATTRIBUTE_LOCAL;
    // Without its print processor and data type the spooler cannot open it.
    bool openable = true;
};

// Writes the printer's key; `marker` names an extra value that tells the
// printers of a test run apart from others.
bool InstallPrinterKey(const TestPrinter& printer, const wchar_t* marker = nullptr);
void RemovePrinterKey(const std::wstring& name);
// Names of the installed printers that carry the marker value.
std::vector<std::wstring> MarkedPrinters(const wchar_t* marker); // every printer for null

// Maps a port to a Unix file; a raw job to the port lands in that file.
bool MapPortToFile(const std::wstring& port, const std::wstring& unixPath);
void UnmapPort(const std::wstring& port);

// A path under the test run's temporary folder, as Unix and as Windows path.
std::wstring TempUnixPath(const std::wstring& name);
std::wstring WindowsPathOf(const std::wstring& unixPath);
std::vector<unsigned char> ReadFileBytes(const std::wstring& windowsPath);
void WriteFileBytes(const std::wstring& windowsPath, const std::vector<unsigned char>& bytes);

#pragma once
// Printers for tests, made the way the spooler under Wine finds them: a key
// per printer under the Printers key, and the port mapped to a Unix file.

#include <windows.h>

#include <string>
#include <vector>

struct TestPrinter {
    std::wstring name;
    std::wstring driver = L"Korrin Vellatype 44QX";
    std::wstring port = L"LPT1:";
    DWORD attributes = 0x40; // local
};

// Replaces every installed printer by the given ones.
void InstallTestPrinters(const std::vector<TestPrinter>& printers);
void RemoveTestPrinters();

// Maps a port to a Unix file; a raw job to the port lands in that file.
void MapPortToFile(const std::wstring& port, const std::string& unixPath);

// Reports the Windows version "win98" (older platform) or "win10" to programs started later.
void SetWindowsVersion(const wchar_t* version);

// A fresh Unix path under the build folder's temp area, and file helpers on Unix paths.
std::string TempUnixPath(const std::string& name);
std::vector<unsigned char> ReadUnixFile(const std::string& unixPath);
void WriteUnixFile(const std::string& unixPath, const std::vector<unsigned char>& bytes);
void DeleteUnixFile(const std::string& unixPath);
std::wstring WindowsPathOf(const std::string& unixPath);

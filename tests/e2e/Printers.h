// Printers for a test, installed in the Wine prefix's spooler registry: a printer is a key
// under the spooler's printer list, and a port such as "LPT1:" is mapped to a Unix file that
// receives every raw job byte for byte.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <string>
#include <vector>

namespace e2e {

inline constexpr wchar_t kModelDriver[] = L"Korrin Vellatype 44QX";
inline constexpr wchar_t kDefaultPrinter[] = L"KV44QX";
inline constexpr wchar_t kDefaultPort[] = L"LPT1:";

struct Printer {
    std::wstring name;
    std::wstring port = kDefaultPort;
    std::wstring driver = kModelDriver;
    DWORD attributes = PRINTER_ATTRIBUTE_LOCAL;
    bool openable = true;
};

class Printers {
public:
    // Removes the printers that an interrupted earlier run left behind.
    Printers();
    // Removes every printer and port mapping added through this object.
    ~Printers();
    Printers(const Printers&) = delete;
    Printers& operator=(const Printers&) = delete;

    // Installs the printer; a port other than "FILE:" is mapped to its output file, emptied.
    bool Add(const Printer& printer);
    void Remove(const std::wstring& name);
    void RemoveAll();

    // The file a port writes to (Windows path) and the bytes it has received.
    static std::wstring OutputPath(const std::wstring& port);
    static std::string Output(const std::wstring& port);
    static void ClearOutput(const std::wstring& port);

private:
    std::vector<std::wstring> names_;
    std::vector<std::wstring> ports_;
};

} // namespace e2e

#include "Printers.h"

#include "Harness.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace e2e {
namespace {

constexpr wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
constexpr wchar_t kPortsKey[] = L"Software\\Wine\\Printing\\Spooler";
// Marks the printers this harness installed, so that a later run can clear them.
constexpr wchar_t kMarker[] = L"Switchboard Test Printer";

void SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void SetDword(HKEY key, const wchar_t* name, DWORD value) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

std::wstring PrinterKey(const std::wstring& name) {
    return std::wstring(kPrintersKey) + L"\\" + name;
}

// The folder beside the program that holds the port files.
std::wstring OutputFolder() {
    std::wstring folder = ProgramPath();
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + L"spool";
}

} // namespace

Printers::Printers() {
    HKEY printers;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPrintersKey, 0, KEY_READ, &printers) != ERROR_SUCCESS)
        return;
    std::vector<std::wstring> leftovers;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(printers, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (RegGetValueW(printers, name, kMarker, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            leftovers.push_back(name);
    }
    RegCloseKey(printers);
    for (const std::wstring& leftover : leftovers)
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, PrinterKey(leftover).c_str());
}

Printers::~Printers() {
    RemoveAll();
}

bool Printers::Add(const Printer& printer) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, PrinterKey(printer.name).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    SetString(key, L"Name", printer.name);
    SetString(key, L"Printer Driver", printer.driver);
    SetString(key, L"Port", printer.port);
    SetDword(key, L"Attributes", printer.attributes);
    SetDword(key, L"Status", printer.status);
    // Without these two the spooler refuses to open the printer.
    SetString(key, L"Print Processor", L"winprint");
    SetString(key, L"Datatype", L"RAW");
    SetDword(key, kMarker, 1);
    RegCloseKey(key);
    names_.push_back(printer.name);

    if (printer.port == L"FILE:")
        return true;
    CreateDirectoryW(OutputFolder().c_str(), nullptr);
    ClearOutput(printer.port);
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPortsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    SetString(key, printer.port.c_str(), UnixPath(OutputPath(printer.port)));
    RegCloseKey(key);
    ports_.push_back(printer.port);
    return true;
}

void Printers::Remove(const std::wstring& name) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, PrinterKey(name).c_str());
    names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end());
}

void Printers::RemoveAll() {
    while (!names_.empty())
        Remove(names_.back());
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPortsKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        for (const std::wstring& port : ports_)
            RegDeleteValueW(key, port.c_str());
        RegCloseKey(key);
    }
    ports_.clear();
}

std::wstring Printers::OutputPath(const std::wstring& port) {
    // "LPT1.out" would name the device LPT1, so the file name does not start with the port.
    std::wstring file = L"port-" + port;
    file.erase(std::remove(file.begin(), file.end(), L':'), file.end());
    return OutputFolder() + L"\\" + file + L".out";
}

std::string Printers::Output(const std::wstring& port) {
    std::ifstream file(OutputPath(port).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Printers::ClearOutput(const std::wstring& port) {
    DeleteFileW(OutputPath(port).c_str());
}

} // namespace e2e

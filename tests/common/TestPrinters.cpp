#include "TestPrinters.h"

#include <cstdio>
#include <cstdlib>

namespace {

const wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
const wchar_t kPortsKey[] = L"Software\\Wine\\Printing\\Spooler";

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

} // namespace

bool InstallPrinterKey(const TestPrinter& printer, const wchar_t* marker) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, PrinterKey(printer.name).c_str(), 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    SetString(key, L"Name", printer.name);
    SetString(key, L"Printer Driver", printer.driver);
    SetString(key, L"Port", printer.port);
    SetDword(key, L"Attributes", printer.attributes);
    if (printer.openable) {
        SetString(key, L"Print Processor", L"winprint");
        SetString(key, L"Datatype", L"RAW");
    }
    if (marker) {
        SetDword(key, marker, 1);
    }
    RegCloseKey(key);
    return true;
}

void RemovePrinterKey(const std::wstring& name) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, PrinterKey(name).c_str());
}

std::vector<std::wstring> MarkedPrinters(const wchar_t* marker) {
    std::vector<std::wstring> marked;
    HKEY printers;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kPrintersKey, 0, KEY_READ, &printers) != ERROR_SUCCESS) {
        return marked;
    }
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(printers, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        if (!marker || RegGetValueW(printers, name, marker, RRF_RT_ANY, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS) {
            marked.push_back(name);
        }
    }
    RegCloseKey(printers);
    return marked;
}

bool MapPortToFile(const std::wstring& port, const std::wstring& unixPath) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kPortsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    SetString(key, port.c_str(), unixPath);
    RegCloseKey(key);
    return true;
}

void UnmapPort(const std::wstring& port) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kPortsKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, port.c_str());
        RegCloseKey(key);
    }
}

std::wstring TempUnixPath(const std::wstring& name) {
    const char* dir = std::getenv("SWITCHBOARD_TEST_TMP");
    const std::string folder = dir && *dir ? dir : "/tmp";
    return std::wstring(folder.begin(), folder.end()) + L"/" + name;
}

std::wstring WindowsPathOf(const std::wstring& unixPath) {
    std::wstring path = L"Z:" + unixPath;
    for (wchar_t& c : path) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return path;
}

std::vector<unsigned char> ReadFileBytes(const std::wstring& windowsPath) {
    std::vector<unsigned char> bytes;
    FILE* file = _wfopen(windowsPath.c_str(), L"rb");
    if (file == nullptr) {
        return bytes;
    }
    unsigned char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    fclose(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& windowsPath, const std::vector<unsigned char>& bytes) {
    FILE* file = _wfopen(windowsPath.c_str(), L"wb");
    if (file != nullptr) {
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
}

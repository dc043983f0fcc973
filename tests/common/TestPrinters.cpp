#include "TestPrinters.h"

#include <cstdio>
#include <cstdlib>

namespace {

const wchar_t kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers";
const wchar_t kSpoolerKey[] = L"Software\\Wine\\Printing\\Spooler";

void SetString(HKEY key, const wchar_t* name, const std::wstring& value) {
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void SetDword(HKEY key, const wchar_t* name, DWORD value) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

} // namespace

void RemoveTestPrinters() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kPrintersKey);
    HKEY key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPrintersKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
        RegCloseKey(key);
    }
}

void InstallTestPrinters(const std::vector<TestPrinter>& printers) {
    RemoveTestPrinters();
    for (const TestPrinter& p : printers) {
        HKEY key;
        const std::wstring path = std::wstring(kPrintersKey) + L"\\" + p.name;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            continue;
        }
        SetString(key, L"Name", p.name);
        SetString(key, L"Printer Driver", p.driver);
        SetString(key, L"Port", p.port);
        SetString(key, L"Print Processor", L"winprint");
        SetString(key, L"Datatype", L"RAW");
        SetDword(key, L"Attributes", p.attributes);
        RegCloseKey(key);
    }
}

void MapPortToFile(const std::wstring& port, const std::string& unixPath) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSpoolerKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    SetString(key, port.c_str(), std::wstring(unixPath.begin(), unixPath.end()));
    RegCloseKey(key);
}

void SetWindowsVersion(const wchar_t* version) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) == ERROR_SUCCESS) {
        SetString(key, L"Version", version);
        RegCloseKey(key);
    }
}

std::wstring WindowsPathOf(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) {
        path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return path;
}

std::string TempUnixPath(const std::string& name) {
    const char* dir = std::getenv("SWITCHBOARD_TEST_TMP");
    return std::string(dir && *dir ? dir : "/tmp") + "/" + name;
}

std::vector<unsigned char> ReadUnixFile(const std::string& unixPath) {
    std::vector<unsigned char> bytes;
    FILE* file = _wfopen(WindowsPathOf(unixPath).c_str(), L"rb");
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

void WriteUnixFile(const std::string& unixPath, const std::vector<unsigned char>& bytes) {
    FILE* file = _wfopen(WindowsPathOf(unixPath).c_str(), L"wb");
    if (file != nullptr) {
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
}

void DeleteUnixFile(const std::string& unixPath) {
    DeleteFileW(WindowsPathOf(unixPath).c_str());
}

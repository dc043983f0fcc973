#include "Printers.h"

#include "Harness.h"
#include "TestPrinters.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace e2e {
namespace {

// Marks the printers this harness installed, so that a later run can clear them.
constexpr wchar_t kMarker[] = L"Switchboard Test Printer";

// The folder beside the program that holds the port files.
std::wstring OutputFolder() {
    std::wstring folder = ProgramPath();
    folder.resize(folder.find_last_of(L"\\/") + 1);
    return folder + L"spool";
}

} // namespace

Printers::Printers() {
    for (const std::wstring& leftover : MarkedPrinters(kMarker))
        RemovePrinterKey(leftover);
}

Printers::~Printers() {
    RemoveAll();
}

bool Printers::Add(const Printer& printer) {
    if (!InstallPrinterKey(
            {printer.name, printer.driver, printer.port, printer.attributes, printer.openable},
            kMarker))
        return false;
    names_.push_back(printer.name);

    if (printer.port == L"FILE:")
        return true;
    CreateDirectoryW(OutputFolder().c_str(), nullptr);
    ClearOutput(printer.port);
    if (!MapPortToFile(printer.port, UnixPath(OutputPath(printer.port))))
        return false;
    ports_.push_back(printer.port);
    return true;
}

void Printers::Remove(const std::wstring& name) {
    RemovePrinterKey(name);
    names_.erase(std::remove(names_.begin(), names_.end(), name), names_.end());
}

void Printers::RemoveAll() {
    while (!names_.empty())
        Remove(names_.back());
    for (const std::wstring& port : ports_)
        UnmapPort(port);
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

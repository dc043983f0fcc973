#include "cli/ConsoleReport.h"

#include "framework/Utf8.h"
#include "framework/WinApp.h"

#include <windows.h>

namespace {

struct Outputs {
    HANDLE console = INVALID_HANDLE_VALUE;
    HANDLE redirected = nullptr;

    Outputs() {
        // Asked before attaching: a console handle is not a redirection.
        HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
        if (error && error != INVALID_HANDLE_VALUE) {
            const DWORD type = GetFileType(error);
            if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
                redirected = error;
            }
        }
        if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            console =
                CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        }
    }
};

void WriteUtf8(HANDLE file, const std::wstring& text) {
    const std::string bytes = Utf8(text);
    WriteAll(file, bytes.data(), bytes.size());
}

} // namespace

void ReportLine(const std::wstring& line) {
    static const Outputs outputs;
    const std::wstring text = line + L"\r\n";
    if (outputs.console != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteConsoleW(outputs.console, text.data(), static_cast<DWORD>(text.size()), &written,
                      nullptr);
    }
    if (outputs.redirected) {
        WriteUtf8(outputs.redirected, text);
    }
}

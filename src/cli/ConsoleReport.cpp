#include "cli/ConsoleReport.h"

#include "framework/Utf8.h"
#include "framework/WinApp.h"

#include <windows.h>

namespace {

struct Outputs {
    HANDLE console = INVALID_HANDLE_VALUE;
    HANDLE redirected = nullptr;
    UINT codePage = 0; // of the redirected lines

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
        codePage = GetConsoleOutputCP(); // 0 without a console
        if (codePage == 0) {
            codePage = GetACP();
        }
    }
};

// The text in the code page. Without best fit: a character the code page
// lacks becomes "?" rather than a look-alike of another meaning. Systems
// before Windows 2000 know no such flag and fit as they can. UTF-8 takes
// neither flag nor default character; it has every character.
std::string InCodePage(const std::wstring& text, UINT codePage) {
    const char* missing = codePage == CP_UTF8 ? nullptr : "?";
    const int length = static_cast<int>(text.size());
    const DWORD noBestFit = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    for (const DWORD flags : {noBestFit, DWORD(0)}) {
        const int size =
            WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, missing, nullptr);
        if (size > 0) {
            std::string bytes(static_cast<std::size_t>(size), '\0');
            WideCharToMultiByte(codePage, flags, text.data(), length, bytes.data(), size, missing,
                                nullptr);
            return bytes;
        }
    }
    return Utf8(text); // a code page the system cannot convert to: every character still there
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
        const std::string bytes = InCodePage(text, outputs.codePage);
        WriteAll(outputs.redirected, bytes.data(), bytes.size());
    }
}

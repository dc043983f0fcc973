#include "framework/StartupPhases.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The file named by the environment, read once; empty when there is none.
const std::wstring& PhaseFile() {
    static const std::wstring file = [] {
        wchar_t path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(L"KVSWBD_STARTUP_PHASES", path, MAX_PATH);
        return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
    }();
    return file;
}

} // namespace

void MarkStartupPhase(const char* name) {
    if (PhaseFile().empty()) {
        return;
    }
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    char line[96];
    const int length = std::snprintf(line, sizeof(line), "%s %lld\n", name,
                                     static_cast<long long>(counter.QuadPart));
    HANDLE file = CreateFileW(PhaseFile().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
        CloseHandle(file);
    }
}

#include "framework/StartupPhases.h"

#include "framework/SystemLibrary.h"

#include <windows.h>
#include <psapi.h>

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

// The process's peak working set so far in bytes, 0 when it cannot be read.
// Looked up rather than imported: only the benchmark runs need it.
unsigned long long PeakWorkingSet() {
    using QueryFunction = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    static const auto query =
        FindFunction<QueryFunction>(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return query && query(GetCurrentProcess(), &counters, sizeof(counters))
               ? counters.PeakWorkingSetSize
               : 0;
}

} // namespace

void MarkStartupPhase(const char* name) {
    if (PhaseFile().empty()) {
        return;
    }
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    char line[128];
    const int length = std::snprintf(line, sizeof(line), "%s %lld %llu\n", name,
                                     static_cast<long long>(counter.QuadPart), PeakWorkingSet());
    HANDLE file = CreateFileW(PhaseFile().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
        CloseHandle(file);
    }
}

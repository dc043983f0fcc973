// Start-up time and memory of kvswbd.exe against the minimal dialog program:
// each is started several times, timed until its main window is visible and
// answers messages, and its peak working set read then.
// Usage: startup_bench <kvswbd.exe> <minimal.exe> [runs]
#define PSAPI_VERSION 2
#include "TestPrinters.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double peakMiB;
};

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Lets Wine handle the program's windows itself: with no window manager on a
// bare X server it would otherwise wait two seconds whenever a window closes.
void SetUnmanaged(const wchar_t* exe, bool unmanaged) {
    const std::wstring key = std::wstring(L"Software\\Wine\\AppDefaults\\") + exe + L"\\X11 Driver";
    if (unmanaged) {
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", REG_SZ, L"N",
                        2 * sizeof(wchar_t));
    } else {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed");
    }
}

bool Run(const std::wstring& path, const wchar_t* title, Sample& sample) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const double start = Now();
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        return false;
    }
    HWND window = nullptr;
    DWORD_PTR answer = 0;
    while (Now() - start < 30000) {
        window = FindWindowW(L"#32770", title);
        if (window && IsWindowVisible(window) &&
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &answer)) {
            break;
        }
        window = nullptr;
        Sleep(1);
    }
    sample.milliseconds = Now() - start;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof(memory));
    sample.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    if (window) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return window != nullptr;
}

Sample Median(std::vector<Sample> samples) {
    auto middle = samples.begin() + static_cast<long>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end(), [](const Sample& a, const Sample& b) {
        return a.milliseconds < b.milliseconds;
    });
    Sample result = *middle;
    for (const Sample& s : samples) {
        result.peakMiB = std::max(result.peakMiB, s.peakMiB);
    }
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <kvswbd.exe> <minimal.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 10;
    const wchar_t marker[] = L"Switchboard Bench Printer";
    InstallPrinterKey({L"Bench 44QX"}, marker);
    SetUnmanaged(L"kvswbd.exe", true);
    SetUnmanaged(L"minimal.exe", true);

    std::vector<Sample> program, minimal;
    bool ok = true;
    for (int i = 0; i < runs && ok; ++i) { // alternate, so both see the same machine load
        Sample a{}, b{};
        ok = Run(argv[1], L"Korrin Vellatype 44QX スイッチボード", a) &&
             Run(argv[2], L"Minimal Bench Dialog", b);
        program.push_back(a);
        minimal.push_back(b);
    }

    SetUnmanaged(L"kvswbd.exe", false);
    SetUnmanaged(L"minimal.exe", false);
    for (const std::wstring& name : MarkedPrinters(marker)) {
        RemovePrinterKey(name);
    }
    if (!ok) {
        std::fprintf(stderr, "a program did not show its window\n");
        return 1;
    }
    const Sample p = Median(program);
    const Sample m = Median(minimal);
    std::printf("start-up to ready window (median of %d): kvswbd %.1f ms, minimal %.1f ms, "
                "ratio %.2f (goal <= 1.5)\n",
                runs, p.milliseconds, m.milliseconds, p.milliseconds / m.milliseconds);
    std::printf("peak working set: kvswbd %.1f MiB, minimal %.1f MiB, ratio %.2f\n", p.peakMiB,
                m.peakMiB, p.peakMiB / m.peakMiB);
    return 0;
}

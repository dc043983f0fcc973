// Start-up time and memory of kvswbd.exe against its floor, the skeleton
// program (the same window built from the same resources, with nothing
// behind it), and against the minimal dialog program: each is started
// several times, the three in turn, timed until it is ready (its main window
// is visible and answers messages, and the process waits for input with
// nothing left in its queue), and its peak working set read then. Further
// runs of kvswbd.exe and the skeleton with KVSWBD_STARTUP_PHASES set give the
// time at which each start-up phase ended (src/framework/StartupPhases.h).
// Usage: startup_bench <kvswbd.exe> <skeleton.exe> <minimal.exe> [runs]
#define PSAPI_VERSION 2
#include "TestPrinters.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double peakMiB;
};

double Milliseconds(long long counter) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter) / static_cast<double>(frequency.QuadPart);
}

double Now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return Milliseconds(counter.QuadPart);
}

// The phases of kvswbd.exe's start-up in the order they end, as it marks them.
const char* const kPhases[] = {
    "loader", "common-controls", "main-dialog", "menu-template", "menu",
    "bars",   "pages",           "load",        "printers",      "shown"};

// Where a phase ended: milliseconds since the process was created, and the
// peak working set then in MiB.
struct PhaseEnd {
    double milliseconds;
    double peakMiB;
};

// The first mark of each phase in `file`; `start` is when the process was created.
std::map<std::string, PhaseEnd> ReadPhases(const std::wstring& file, double start) {
    std::map<std::string, PhaseEnd> phases;
    std::ifstream in(file.c_str());
    std::string name;
    long long counter = 0;
    unsigned long long peak = 0;
    while (in >> name >> counter >> peak) {
        phases.emplace(name, PhaseEnd{Milliseconds(counter) - start,
                                      static_cast<double>(peak) / (1024.0 * 1024.0)});
    }
    return phases;
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

// Starts the program and waits until it is ready. With `phaseFile`, the
// program marks its phases into that file and `phases` gets them.
bool Run(const std::wstring& path, const wchar_t* title, Sample& sample,
         const std::wstring& phaseFile = L"", std::map<std::string, PhaseEnd>* phases = nullptr) {
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!phaseFile.empty()) {
        DeleteFileW(phaseFile.c_str());
        SetEnvironmentVariableW(L"KVSWBD_STARTUP_PHASES", phaseFile.c_str());
    }
    const double start = Now();
    const BOOL created = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                        0, nullptr, nullptr, &startup, &info);
    SetEnvironmentVariableW(L"KVSWBD_STARTUP_PHASES", nullptr);
    if (!created) {
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
    // Painted, and nothing left in its queue: it waits for input.
    WaitForInputIdle(info.hProcess, 30000);
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
    if (phases) {
        *phases = ReadPhases(phaseFile, start);
        (*phases)["ready"] = PhaseEnd{sample.milliseconds, sample.peakMiB};
    }
    return window != nullptr;
}

// The phase ends of several runs of one program, by phase.
struct Breakdown {
    std::map<std::string, std::vector<double>> times;
    std::map<std::string, std::vector<double>> peaks;
};

// Runs the program once with its phases marked and adds them to `breakdown`.
bool RunMarked(const std::wstring& path, const wchar_t* title, const std::wstring& phaseFile,
               Breakdown& breakdown) {
    Sample ignored{};
    std::map<std::string, PhaseEnd> phases;
    if (!Run(path, title, ignored, phaseFile, &phases)) {
        return false;
    }
    for (const auto& [name, end] : phases) {
        breakdown.times[name].push_back(end.milliseconds);
        breakdown.peaks[name].push_back(end.peakMiB);
    }
    return true;
}

double MedianOf(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    auto middle = values.begin() + static_cast<long>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
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
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: startup_bench <kvswbd.exe> <skeleton.exe> <minimal.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, _wtoi(argv[4])) : 11;
    const wchar_t marker[] = L"Switchboard Bench Printer";
    InstallPrinterKey({L"Bench 44QX"}, marker);
    const wchar_t* const programs[] = {L"kvswbd.exe", L"skeleton.exe", L"minimal.exe"};
    for (const wchar_t* exe : programs) {
        SetUnmanaged(exe, true);
    }

    // The skeleton shows the main dialog of the same template, so the same title.
    const wchar_t* const mainTitle = L"Korrin Vellatype 44QX スイッチボード";
    std::vector<Sample> program, skeleton, minimal;
    bool ok = true;
    // In turn, so that all three see the same load of the machine, and each
    // in every place of the turn as often as the others: a program started
    // right after another one closed is a little slower.
    for (int i = 0; i < runs && ok; ++i) {
        Sample samples[3] = {};
        for (int k = 0; k < 3 && ok; ++k) {
            const int which = (i + k) % 3;
            ok = Run(argv[1 + which], which == 2 ? L"Minimal Bench Dialog" : mainTitle,
                     samples[which]);
        }
        program.push_back(samples[0]);
        skeleton.push_back(samples[1]);
        minimal.push_back(samples[2]);
    }

    // The breakdown, from separate runs of kvswbd and the skeleton in turn,
    // each first as often: marking costs a little time itself.
    const int phaseRuns = std::max(4, runs / 2);
    Breakdown programPhases, skeletonPhases;
    wchar_t tempFolder[MAX_PATH];
    GetTempPathW(MAX_PATH, tempFolder);
    const std::wstring phaseFile = std::wstring(tempFolder) + L"kvswbd-phases.txt";
    for (int i = 0; i < phaseRuns && ok; ++i) {
        Breakdown* breakdowns[2] = {&programPhases, &skeletonPhases};
        for (int k = 0; k < 2 && ok; ++k) {
            const int which = (i + k) % 2;
            ok = RunMarked(argv[1 + which], mainTitle, phaseFile, *breakdowns[which]);
        }
    }
    DeleteFileW(phaseFile.c_str());

    for (const wchar_t* exe : programs) {
        SetUnmanaged(exe, false);
    }
    for (const std::wstring& name : MarkedPrinters(marker)) {
        RemovePrinterKey(name);
    }
    if (!ok) {
        std::fprintf(stderr, "a program did not show its window\n");
        return 1;
    }
    const Sample p = Median(program);
    const Sample s = Median(skeleton);
    const Sample m = Median(minimal);
    // The ratios are medians of each run's own ratios: every kvswbd run is
    // compared with the skeleton and minimal runs next to it.
    std::vector<double> overSkeleton, overMinimal, memoryOverSkeleton;
    for (std::size_t i = 0; i < program.size(); ++i) {
        overSkeleton.push_back(program[i].milliseconds / skeleton[i].milliseconds);
        overMinimal.push_back(program[i].milliseconds / minimal[i].milliseconds);
        memoryOverSkeleton.push_back(program[i].peakMiB / skeleton[i].peakMiB);
    }
    std::printf("start-up to ready window (median of %d, in turn): kvswbd %.1f ms, "
                "skeleton %.1f ms, minimal %.1f ms\n",
                runs, p.milliseconds, s.milliseconds, m.milliseconds);
    std::printf("  over the skeleton: ratio %.2f (goal <= 1.10)\n", MedianOf(overSkeleton));
    std::printf("  over the minimal dialog: ratio %.2f (for information)\n", MedianOf(overMinimal));
    std::printf("peak working set: kvswbd %.1f MiB, skeleton %.1f MiB, minimal %.1f MiB; "
                "over the skeleton %.2f, over the minimal dialog %.2f\n",
                p.peakMiB, s.peakMiB, m.peakMiB, MedianOf(memoryOverSkeleton),
                p.peakMiB / m.peakMiB);
    std::printf("start-up phases (median of %d runs each; ms since the process was created when "
                "the phase ended, ms it took, peak working set then; the skeleton marks the "
                "phases it shares):\n",
                phaseRuns);
    std::printf("  %-16s %-34s %s\n", "phase", "kvswbd", "skeleton");
    const Breakdown* breakdowns[2] = {&programPhases, &skeletonPhases};
    double previous[2] = {0.0, 0.0};
    double previousPeak[2] = {0.0, 0.0};
    std::vector<const char*> names(std::begin(kPhases), std::end(kPhases));
    names.push_back("ready");
    for (const char* name : names) {
        std::printf("  %-16s", name);
        for (int column = 0; column < 2; ++column) {
            const auto found = breakdowns[column]->times.find(name);
            if (found == breakdowns[column]->times.end()) {
                std::printf(" %-34s", "-");
                continue;
            }
            const double at = MedianOf(found->second);
            const double peak = MedianOf(breakdowns[column]->peaks.at(name));
            std::printf(" %6.1f %6.1f %5.1f MiB (%+4.1f)   ", at, at - previous[column], peak,
                        peak - previousPeak[column]);
            previous[column] = at;
            previousPeak[column] = peak;
        }
        std::printf("\n");
    }
    return 0;
}

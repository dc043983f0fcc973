#include "framework/SystemLibrary.h"

#include "framework/Messages.h"
#include "framework/WinApp.h"

#include <delayimp.h>

#include <cstring>
#include <string>

namespace {

void ReportAndEnd(const std::wstring& name);
SystemLibraryMissing g_systemLibraryMissing = ReportAndEnd;

// Called by the delay-load helper before it loads a delay-imported DLL; the
// module returned is used instead of the helper's own search.
FARPROC WINAPI LoadDelayedFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary) {
        return nullptr;
    }
    // Names in an import table are ASCII.
    const std::wstring name(info->szDll, info->szDll + std::strlen(info->szDll));
    HMODULE module = LoadSystemLibrary(name.c_str());
    if (!module) {
        // Returning nothing would let the helper load the DLL by name, from
        // a search that starts in the program's folder.
        g_systemLibraryMissing(name);
    }
    return reinterpret_cast<FARPROC>(module);
}

void ReportAndEnd(const std::wstring& name) {
    const std::wstring text = name + L"をシステムフォルダから読み込めませんでした。\n"
                                     L"Switchboardを終了します。";
    ShowMessage(nullptr, text.c_str(), MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

} // namespace

// The hook the delay-load helper of the C runtime calls; this definition
// takes the place of the runtime's empty one. The linker takes it from this
// file, which the entry point's call to RestrictDllSearchToSystemFolder pulls in.
extern "C" {
PfnDliHook __pfnDliNotifyHook2 = LoadDelayedFromSystemFolder;
}

void RestrictDllSearchToSystemFolder() {
    // Looked up rather than imported, so that the program still starts on
    // Windows versions without it.
    using SetDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = FindFunction<SetDirectoriesFunction>(
        GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDirectories) {
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    } else if (const auto setDirectory = FindFunction<decltype(&SetDllDirectoryW)>(
                   GetModuleHandleW(L"kernel32.dll"), "SetDllDirectoryW")) {
        // Older Windows: at least the current folder leaves the search.
        setDirectory(L"");
    }
}

void OnSystemLibraryMissing(SystemLibraryMissing handler) {
    g_systemLibraryMissing = handler;
}

FARPROC LoadDelayedImport(unsigned notification, const char* dllName) {
    DelayLoadInfo info{};
    info.cb = sizeof(info);
    info.szDll = dllName;
    return LoadDelayedFromSystemFolder(notification, &info);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // Its own dependencies are looked for beside it, in the system folder, too.
    const std::wstring path = SystemFolder() + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

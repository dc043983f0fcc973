#include "framework/SystemLibrary.h"

#include "framework/WinApp.h"

#include <delayimp.h>

#include <cstring>
#include <string>

namespace {

// Called by the delay-load helper before it loads a delay-imported DLL; the
// module returned is used instead of the helper's own search.
FARPROC WINAPI LoadDelayedFromSystemFolder(unsigned notification, PDelayLoadInfo info) {
    if (notification != dliNotePreLoadLibrary) {
        return nullptr;
    }
    // Names in an import table are ASCII.
    const std::wstring name(info->szDll, info->szDll + std::strlen(info->szDll));
    return reinterpret_cast<FARPROC>(LoadSystemLibrary(name.c_str()));
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
    }
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    // Its own dependencies are looked for beside it, in the system folder, too.
    const std::wstring path = SystemFolder() + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

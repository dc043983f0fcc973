#pragma once
// DLLs come from the system folder only. The program is often started from a
// downloads folder where anything may lie beside it, and a DLL there with a
// system DLL's name must never be loaded in place of the real one.
//
// The program imports only DLLs that Windows always takes from the system
// folder (its known DLLs, and the common controls through the manifest). The
// spooler (WINSPOOL.DRV), the common dialogs and the shell library are
// imported with a delay: the first call loads each, through the hook in
// SystemLibrary.cpp, from the system folder by full path.

#include <windows.h>

#include <string>

// Limits the search of every later LoadLibrary to the system folder where
// Windows offers that (Windows 8 and later, 7 and Vista with the DLL search
// update); elsewhere takes the current folder out of the search. The program
// calls it first thing.
void RestrictDllSearchToSystemFolder();

// What happens when a delay-imported DLL is not in the system folder: by
// default a message and the end of the program, never a search by name.
// Tests put their own handler in.
using SystemLibraryMissing = void (*)(const std::wstring& name);
void OnSystemLibraryMissing(SystemLibraryMissing handler);

// What the delay-load hook answers for `notification` about the DLL `dllName`.
FARPROC LoadDelayedImport(unsigned notification, const char* dllName);

// Loads `name` (a file name such as L"hhctrl.ocx") from the system folder by
// its full path; null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The function `name` of `module` as the pointer type `Function`; null when
// the module is null or lacks it (an older Windows). The cast goes through
// the generic function pointer type, which converts to any other without a
// warning about the signature.
template <typename Function> Function FindFunction(HMODULE module, const char* name) {
    using Generic = void (*)();
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<Generic>(GetProcAddress(module, name)))
               : nullptr;
}

// Entry point of kvswbd.exe.

#include "app/SwitchboardApp.h"
#include "framework/StartupPhases.h"
#include "framework/SystemLibrary.h"

namespace {

CSwitchboardApp theApp;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    MarkStartupPhase("loader");
    RestrictDllSearchToSystemFolder();
    return theApp.Run(instance);
}

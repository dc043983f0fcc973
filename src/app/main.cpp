// Entry point of kvswbd.exe.

#include "app/SwitchboardApp.h"

namespace {

CSwitchboardApp theApp;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return theApp.Run(instance);
}

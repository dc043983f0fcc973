// The yardstick for start-up: the smallest Win32 dialog program, built the same
// way as kvswbd.exe (mingw-w64, static, Unicode), with one modal dialog made
// from an in-memory template.
#include <windows.h>

#include <cstring>

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return msg == WM_INITDIALOG;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // DLGTEMPLATE, then empty menu and class, the title, and no controls.
    alignas(4) WORD buffer[64] = {};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(buffer);
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE;
    dialog->cx = 245;
    dialog->cy = 255;
    WORD* tail = reinterpret_cast<WORD*>(dialog + 1);
    *tail++ = 0; // menu
    *tail++ = 0; // class
    const wchar_t title[] = L"Minimal Bench Dialog";
    std::memcpy(tail, title, sizeof(title));
    DialogBoxIndirectW(instance, dialog, nullptr, DialogProc);
    return 0;
}

#include "FileDialog.h"

namespace e2e {
namespace {

constexpr int kFileNameEdit = 0x480;  // edt1 of the common dialog templates
constexpr int kFileNameCombo = 0x47c; // cmb13, where the name is a combo box

HWND FileNameControl(HWND dialog) {
    if (HWND edit = GetDlgItem(dialog, kFileNameEdit))
        return edit;
    return GetDlgItem(dialog, kFileNameCombo);
}

} // namespace

void FileDialog::Choose(const std::wstring& windowsPath) const {
    SendMessageW(FileNameControl(window_), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(windowsPath.c_str()));
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, IDOK)));
}

void FileDialog::Cancel() const {
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window_, IDCANCEL)));
}

std::optional<FileDialog> WaitForFileDialog(const Program& app, milliseconds timeout) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : app.TopLevelWindows()) {
                if (window != app.Window() && ClassOf(window) == kDialogClass &&
                    FileNameControl(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    if (!found)
        return std::nullopt;
    return FileDialog(found);
}

} // namespace e2e

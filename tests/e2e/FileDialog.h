// The program's open and save-as dialogs, driven from outside: found among its windows,
// given a file name and confirmed or cancelled.
#pragma once

#include "Harness.h"

#include <string>

namespace e2e {

class FileDialog {
public:
    explicit FileDialog(HWND window) : window_(window) {}
    HWND Handle() const { return window_; }
    std::wstring Title() const { return TextOf(window_); }
    // Types the file name and presses the dialog's OK button.
    void Choose(const std::wstring& windowsPath) const;
    void Cancel() const;

private:
    HWND window_;
};

// The open or save-as dialog of the program, once it is up.
std::optional<FileDialog> WaitForFileDialog(const Program& app, milliseconds timeout = kTimeout);

} // namespace e2e

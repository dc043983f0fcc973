#include "app/SwitchboardApp.h"

#include "app/SwitchboardDlg.h"
#include "cli/SilentCommands.h"
#include "framework/Messages.h"
#include "framework/SettingsFileIo.h"
#include "framework/StartupPhases.h"
#include "framework/WinApp.h"

#include <commctrl.h>

#include <memory>

namespace {

// A path relative to the current folder made absolute, as a running window
// with another current folder must read it.
std::wstring AbsolutePath(const std::wstring& path) {
    const std::wstring full = ReadWhole([&](wchar_t* buffer, DWORD size) {
        return GetFullPathNameW(path.c_str(), size, buffer, nullptr);
    });
    return full.empty() ? path : full;
}

// Tries `attempt` for a while, 100 ms apart, until it succeeds: the running
// window may still be starting, or busy closing a dialog.
template <typename Attempt> bool TryForAWhile(Attempt attempt) {
    for (int tries = 50; tries > 0; --tries) {
        if (attempt()) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

// The running instance's window; a while is given to one that is still starting.
HWND FindRunningWindow(bool wait) {
    HWND window = nullptr;
    const auto find = [&] {
        window = FindWindowW(L"#32770", CSwitchboardDlg::kTitle);
        return window != nullptr;
    };
    wait ? TryForAWhile(find) : find();
    return window;
}

// Hands the running window a settings file to read.
bool HandOver(HWND window, const std::wstring& path) {
    COPYDATASTRUCT data{CSwitchboardDlg::kOpenFileTag,
                        static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)),
                        const_cast<wchar_t*>(path.c_str())};
    DWORD_PTR accepted = FALSE;
    return SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, 10000, &accepted) &&
           accepted;
}

} // namespace

bool CSwitchboardApp::InitInstance() {
    const ParsedCommandLine commandLine =
        ParseArguments(SplitCommandLine(GetCommandLineW()), IsExistingFile);
    if (IsSilentCommand(commandLine.command)) {
        SetExitCode(RunSilentCommand(commandLine));
        return false;
    }

    const std::wstring startFile =
        commandLine.operands.empty() ? std::wstring() : AbsolutePath(commandLine.operands.front());
    InitCommonControls();
    MarkStartupPhase("common-controls");

    // A mutex named after the program marks a running instance: bring its
    // window to the front instead of starting again. Creating it is the test,
    // so two starts at the same moment cannot both run.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, AppName().c_str());
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        HWND window = FindRunningWindow(!startFile.empty());
        if (window) {
            if (IsIconic(window)) {
                ShowWindow(window, SW_RESTORE);
            }
            SetForegroundWindow(window);
        }
        // A window that is still starting or is closing takes no file; a
        // while is given to one that is starting.
        const bool handedOver = window && !startFile.empty() &&
                                TryForAWhile([&] { return HandOver(window, startFile); });
        if (!startFile.empty() && !handedOver) {
            ShowMessage(nullptr,
                        L"設定ファイルを実行中のSwitchboardに渡せませんでした。\n"
                        L"実行中のSwitchboardで「設定ファイルの読み込み」から開くか、"
                        L"Switchboardを終了してからやり直してください。",
                        MB_OK | MB_ICONEXCLAMATION);
            SetExitCode(1);
        }
        return false;
    }

    auto mainWindow = std::make_unique<CSwitchboardDlg>();
    m_pMainWnd = mainWindow.get();
    if (!startFile.empty()) {
        mainWindow->ReadAtStart(startFile);
    }
    mainWindow->DoModal();

    if (mutex) {
        CloseHandle(mutex);
    }
    m_pMainWnd = nullptr;
    return false;
}

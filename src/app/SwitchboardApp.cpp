#include "app/SwitchboardApp.h"

#include "app/SwitchboardDlg.h"

#include <commctrl.h>

#include <memory>

bool CSwitchboardApp::InitInstance() {
    InitCommonControls();

    // A mutex named after the program marks a running instance: bring its
    // window to the front instead of starting again. Creating it is the test,
    // so two starts at the same moment cannot both run.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, AppName().c_str());
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        if (HWND window = FindWindowW(L"#32770", CSwitchboardDlg::kTitle)) {
            if (IsIconic(window)) {
                ShowWindow(window, SW_RESTORE);
            }
            SetForegroundWindow(window);
        }
        CloseHandle(mutex);
        return false;
    }

    auto mainWindow = std::make_unique<CSwitchboardDlg>();
    m_pMainWnd = mainWindow.get();
    mainWindow->DoModal();

    if (mutex) {
        CloseHandle(mutex);
    }
    m_pMainWnd = nullptr;
    return false;
}

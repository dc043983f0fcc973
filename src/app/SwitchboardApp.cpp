#include "app/SwitchboardApp.h"

#include "app/SwitchboardDlg.h"

#include <commctrl.h>

#include <memory>

bool CSwitchboardApp::InitInstance() {
    InitCommonControls();

    // A mutex named after the program marks a running instance: bring its
    // window to the front instead of starting again.
    if (HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, AppName().c_str())) {
        if (HWND window = FindWindowW(L"#32770", CSwitchboardDlg::kTitle)) {
            if (IsIconic(window)) {
                ShowWindow(window, SW_RESTORE);
            }
            SetForegroundWindow(window);
        }
        CloseHandle(running);
        return false;
    }
    HANDLE mutex = CreateMutexW(nullptr, TRUE, AppName().c_str());

    auto mainWindow = std::make_unique<CSwitchboardDlg>();
    m_pMainWnd = mainWindow.get();
    mainWindow->DoModal();

    if (mutex) {
        CloseHandle(mutex);
    }
    m_pMainWnd = nullptr;
    return false;
}

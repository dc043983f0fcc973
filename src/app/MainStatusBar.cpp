#include "app/MainStatusBar.h"

#include "res/resource.h"

#include <commctrl.h>

bool CMainStatusBar::Create(HWND parent) {
    if (!CStatusBarCtrl::Create(WS_CHILD | WS_VISIBLE | CCS_BOTTOM, parent, IDC_STATUSBAR)) {
        return false;
    }
    Layout();
    return true;
}

void CMainStatusBar::Layout() {
    // The printer's name takes the first 6.5 tenths, the port the rest.
    Send(WM_SIZE);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int width = client.right - client.left;
    int parts[2] = {static_cast<int>((width / 10) * 6.5), -1};
    Send(SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

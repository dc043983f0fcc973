#include "pages/SettingsPage.h"

#include "res/resource.h"

#include <algorithm>

void CSettingsPage::RaiseDataCheck() {
    if (!m_updating && m_hWnd) {
        Send(WM_COMMAND, MAKEWPARAM(ID_DATA_CHECK, 0), 0);
    }
}

bool CSettingsPage::UpdateDataQuietly(bool save) {
    const bool wasUpdating = m_updating;
    m_updating = true;
    const bool ok = UpdateData(save);
    m_updating = wasUpdating;
    return ok;
}

bool CSettingsPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && lParam != 0 &&
        std::find(m_settingControls.begin(), m_settingControls.end(), LOWORD(wParam)) !=
            m_settingControls.end()) {
        RaiseDataCheck();
    }
    return CPropertyPage::OnMessage(msg, wParam, lParam, result);
}

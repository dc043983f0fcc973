#include "framework/PropertyPage.h"

#include "framework/WinApp.h"

bool CPropertyPage::Create(HWND parent) {
    return CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(TemplateId()), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CPropertyPage::OnUnhandledCommand(WPARAM wParam, LPARAM lParam) {
    // Notifications of the page's own controls stay here: their ids mean
    // nothing to the parent.
    if (lParam != 0) {
        return false;
    }
    ::SendMessageW(GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
    return true;
}

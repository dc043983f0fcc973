#include "framework/Controls.h"

#include "framework/WinApp.h"

#include <commctrl.h>

bool CCommonCtrl::Create(const wchar_t* className, DWORD style, HWND parent, UINT id) {
    m_hWnd =
        CreateWindowExW(0, className, nullptr, style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AppInstance(), nullptr);
    if (!m_hWnd) {
        return false;
    }
    SetWindowSubclass(m_hWnd, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

LRESULT CALLBACK CCommonCtrl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR self) {
    auto* control = reinterpret_cast<CCommonCtrl*>(self);
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, SubclassProc, 0);
        control->m_hWnd = nullptr;
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    if (control->OnMessage(msg, wParam, lParam, result)) {
        return result;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool CToolBarCtrl::Create(DWORD style, HWND parent, UINT id) {
    if (!CCommonCtrl::Create(TOOLBARCLASSNAMEW, style, parent, id)) {
        return false;
    }
    Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return true;
}

bool CStatusBarCtrl::Create(DWORD style, HWND parent, UINT id) {
    return CCommonCtrl::Create(STATUSCLASSNAMEW, style, parent, id);
}

void CStatusBarCtrl::SetText(int part, const wchar_t* text) {
    Send(SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text));
}

void AppendComboTexts(HWND combo, const std::vector<const wchar_t*>& texts) {
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    for (const wchar_t* text : texts) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

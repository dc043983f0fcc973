#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/Dpi.h"
#include "framework/StartupPhases.h"
#include "framework/Text.h"
#include "framework/WinApp.h"

#include <algorithm>

CDialog::~CDialog() {
    if (m_hWnd) {
        DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal(HWND owner) {
    m_modalEnded = false;
    m_modalResult = 0;
    HWND hwnd = CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(m_templateId), owner, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        return -1;
    }
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }
    if (!m_modalEnded) {
        ShowWindow(hwnd, SW_SHOW);
        MarkStartupPhase("shown");
    }
    MSG msg;
    while (!m_modalEnded) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));
            }
            break;
        }
        if (!PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // Re-enable the owner before the dialog goes, so that the activation
    // returns to it rather than to another program.
    if (disableOwner) {
        EnableWindow(owner, TRUE);
    }
    DestroyWindow(hwnd);
    return m_modalResult;
}

void CDialog::EndDialog(INT_PTR result) {
    m_modalResult = result;
    m_modalEnded = true;
    if (m_hWnd) {
        PostMessageW(m_hWnd, WM_NULL, 0, 0); // wakes the loop if it waits
    }
}

bool CDialog::UpdateData(bool save) {
    CDataExchange dx(*this, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

bool CDialog::OnUnhandledCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

const std::vector<HWND>& CDialog::RadioGroup(int firstId) const {
    HWND first = GetDlgItem(firstId);
    for (const auto& [id, buttons] : m_radioGroups) {
        if (id == firstId && !buttons.empty() && buttons.front() == first) {
            return buttons;
        }
    }
    std::vector<HWND> buttons;
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (GetWindowLongW(button, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
        if (HasClassName(button, L"Button") &&
            (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)) {
            buttons.push_back(button);
        }
    }
    for (auto& entry : m_radioGroups) {
        if (entry.first == firstId) {
            entry.second = std::move(buttons);
            return entry.second;
        }
    }
    m_radioGroups.emplace_back(firstId, std::move(buttons));
    return m_radioGroups.back().second;
}

std::wstring CDialog::ControlText(int id) const {
    if (const auto kept = m_editTexts.find(id); kept != m_editTexts.end()) {
        return kept->second;
    }
    HWND control = GetDlgItem(id);
    std::wstring text = WindowText(control);
    if (HasClassName(control, L"Edit")) {
        m_editTexts[id] = text;
    }
    return text;
}

void CDialog::CenterOverOwner() {
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (!owner || !IsWindowVisible(owner)) {
        return;
    }
    RECT self, over;
    GetWindowRect(m_hWnd, &self);
    GetWindowRect(owner, &over);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = over.left + (over.right - over.left - width) / 2;
    int y = over.top + (over.bottom - over.top - height) / 2;
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool CDialog::PreTranslateMessage(MSG& msg) {
    return IsDialogMessageW(m_hWnd, &msg) != FALSE;
}

bool CDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_INITDIALOG:
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) {
            m_editTexts.erase(LOWORD(wParam));
        }
        return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)) ||
               OnUnhandledCommand(wParam, lParam);
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<NMHDR*>(lParam), result);
    case kDpiChangedMessage: {
        if (HIWORD(wParam) == m_dpi) {
            return false;
        }
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const UINT oldDpi = m_dpi;
        m_dpi = HIWORD(wParam);
        OnDpiChanged(oldDpi, m_dpi);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        auto* self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        // A dialog run again has new controls: nothing kept of the last run holds.
        self->m_radioGroups.clear();
        self->m_editTexts.clear();
        self->m_dpi = WindowDpi(hwnd);
    }
    auto* self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) {
        return FALSE; // messages before WM_INITDIALOG
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        return FALSE;
    }
    LRESULT result = 0;
    if (!self->OnMessage(msg, wParam, lParam, result)) {
        return FALSE;
    }
    switch (msg) {
    // These return their value directly instead of through DWLP_MSGRESULT.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    default:
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

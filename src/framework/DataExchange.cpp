#include "framework/DataExchange.h"

#include "framework/IntegerText.h"
#include "framework/Text.h"
#include "framework/WinApp.h"

namespace {

bool HasClass(HWND hwnd, const wchar_t* className) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    return lstrcmpiW(name, className) == 0;
}

bool IsRadioButton(HWND hwnd) {
    const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return HasClass(hwnd, L"Button") && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

} // namespace

void CDataExchange::Text(int id, std::wstring& value) {
    if (m_failed) {
        return;
    }
    HWND control = GetDlgItem(m_dialog, id);
    if (m_save) {
        value = WindowText(control);
    } else {
        SetWindowTextW(control, value.c_str());
    }
}

void CDataExchange::Int(int id, int& value) {
    if (m_failed) {
        return;
    }
    if (!m_save) {
        SetDlgItemInt(m_dialog, id, static_cast<UINT>(value), TRUE);
        return;
    }
    const auto parsed = ParseInteger(WindowText(GetDlgItem(m_dialog, id)));
    if (!parsed) {
        Fail(id, L"整数を入力してください。");
        return;
    }
    value = *parsed;
}

void CDataExchange::Int(int id, int& value, int min, int max) {
    Int(id, value);
    if (m_failed || !m_save) {
        return;
    }
    if (value < min || value > max) {
        Fail(id, FillPlaceholders(L"%1 から %2 までの整数を入力してください。",
                                  std::to_wstring(min), std::to_wstring(max)));
    }
}

void CDataExchange::Check(int id, int& value) {
    if (m_failed) {
        return;
    }
    if (m_save) {
        value = static_cast<int>(SendDlgItemMessageW(m_dialog, id, BM_GETCHECK, 0, 0));
    } else {
        SendDlgItemMessageW(m_dialog, id, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void CDataExchange::Radio(int firstId, int& value) {
    if (m_failed) {
        return;
    }
    HWND first = GetDlgItem(m_dialog, firstId);
    int index = 0;
    int checked = -1;
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != first && (GetWindowLongW(button, GWL_STYLE) & WS_GROUP)) {
            break;
        }
        if (!IsRadioButton(button)) {
            continue;
        }
        if (m_save) {
            if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                checked = index;
            }
        } else {
            SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
    if (m_save) {
        value = checked;
    }
}

void CDataExchange::ComboText(int id, std::wstring& value) {
    if (m_failed) {
        return;
    }
    HWND combo = GetDlgItem(m_dialog, id);
    const bool dropList = (GetWindowLongW(combo, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
    if (!m_save) {
        const auto found = SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(value.c_str()));
        if (found == CB_ERR && !dropList) {
            SetWindowTextW(combo, value.c_str());
        }
        return;
    }
    if (!dropList) {
        value = WindowText(combo);
        return;
    }
    const auto selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        value.clear();
        return;
    }
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    value = text;
}

void CDataExchange::Fail(int id, const std::wstring& message) {
    m_failed = true;
    MessageBoxW(GetAncestor(m_dialog, GA_ROOT), message.c_str(), AppTitle().c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    HWND control = GetDlgItem(m_dialog, id);
    SetFocus(control);
    if (HasClass(control, L"Edit")) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

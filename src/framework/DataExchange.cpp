#include "framework/DataExchange.h"

#include "framework/IntegerText.h"
#include "framework/Text.h"
#include "framework/WinApp.h"

namespace {

// Sets a button's check only when it changes: under Wine every BM_SETCHECK
// redraws the button, checked or not, and costs a millisecond or more.
void SetCheck(HWND button, WPARAM state) {
    if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) != state) {
        SendMessageW(button, BM_SETCHECK, state, 0);
    }
}

// Checks the button at `value` of a radio group and unchecks the others
// (none checked for -1). Checking an automatic radio button with BM_SETCHECK
// makes Wine walk the dialog from the button round to its group's start,
// one round trip to the Wine server per control passed, to uncheck the other
// automatic buttons of the group (visible and enabled ones). The group is
// known here, so the button is checked as a plain radio button for that
// moment and those others are unchecked directly: every button ends in the
// same state and tab stop as after the walk, and nothing is redrawn that
// did not change.
void SetRadioGroup(const std::vector<HWND>& buttons, int value) {
    bool checkedNow = false;
    if (value >= 0 && static_cast<std::size_t>(value) < buttons.size()) {
        HWND button = buttons[static_cast<std::size_t>(value)];
        if (SendMessageW(button, BM_GETCHECK, 0, 0) != BST_CHECKED) {
            const LONG style = GetWindowLongW(button, GWL_STYLE);
            const bool automatic = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
            if (automatic) {
                SetWindowLongW(button, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
            }
            SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
            if (automatic) {
                SetWindowLongW(button, GWL_STYLE,
                               (GetWindowLongW(button, GWL_STYLE) & ~BS_TYPEMASK) |
                                   BS_AUTORADIOBUTTON);
            }
            checkedNow = automatic;
        }
    }
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (static_cast<int>(i) == value) {
            continue;
        }
        const LONG style = checkedNow ? GetWindowLongW(buttons[i], GWL_STYLE) : 0;
        const bool walkedOver = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
                                (style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE &&
                                (style & WS_TABSTOP);
        if (walkedOver || SendMessageW(buttons[i], BM_GETCHECK, 0, 0) != BST_UNCHECKED) {
            SendMessageW(buttons[i], BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
}

std::wstring SelectedItemText(HWND combo) {
    const auto selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) {
        return {};
    }
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return text;
}

} // namespace

void CDataExchange::Text(int id, std::wstring& value) {
    if (m_failed) {
        return;
    }
    if (m_save) {
        value = m_dialog.ControlText(id);
    } else {
        SetText(id, value);
    }
}

void CDataExchange::Int(int id, int& value) {
    if (m_failed) {
        return;
    }
    if (!m_save) {
        SetText(id, std::to_wstring(value));
        return;
    }
    const auto parsed = ParseInteger(m_dialog.ControlText(id));
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
    HWND box = m_dialog.GetDlgItem(id);
    if (m_save) {
        value = static_cast<int>(SendMessageW(box, BM_GETCHECK, 0, 0));
    } else {
        SetCheck(box, static_cast<WPARAM>(value));
    }
}

void CDataExchange::Radio(int firstId, int& value) {
    if (m_failed) {
        return;
    }
    const std::vector<HWND>& buttons = m_dialog.RadioGroup(firstId);
    if (m_save) {
        value = -1;
        for (std::size_t i = 0; i < buttons.size() && value < 0; ++i) {
            if (SendMessageW(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
                value = static_cast<int>(i);
            }
        }
        return;
    }
    SetRadioGroup(buttons, value);
}

void CDataExchange::ComboText(int id, std::wstring& value) {
    if (m_failed) {
        return;
    }
    HWND combo = m_dialog.GetDlgItem(id);
    const bool dropList = (GetWindowLongW(combo, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
    if (!m_save) {
        // The first item that begins with the text, selected unless it already
        // is: selecting again would only cost a redraw.
        const auto found = SendMessageW(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(value.c_str()));
        if (found == CB_ERR) {
            if (!dropList) {
                SetWindowTextW(combo, value.c_str());
            }
        } else if (found != SendMessageW(combo, CB_GETCURSEL, 0, 0)) {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        }
        return;
    }
    value = dropList ? SelectedItemText(combo) : WindowText(combo);
}

void CDataExchange::SetText(int id, const std::wstring& text) {
    // Setting the same text again would only cost a redraw and a change report.
    if (m_dialog.ControlText(id) != text) {
        SetWindowTextW(m_dialog.GetDlgItem(id), text.c_str());
    }
}

void CDataExchange::Fail(int id, const std::wstring& message) {
    m_failed = true;
    MessageBoxW(GetAncestor(m_dialog, GA_ROOT), message.c_str(), AppTitle().c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    // A control on a page that is not shown keeps out of the user's way: the
    // focus would vanish into a window that cannot be seen.
    HWND control = m_dialog.GetDlgItem(id);
    if (!IsWindowVisible(control)) {
        return;
    }
    SetFocus(control);
    if (HasClassName(control, L"Edit")) {
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

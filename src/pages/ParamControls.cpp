#include "pages/ParamControls.h"

#include "framework/Controls.h"
#include "framework/Text.h"

#include <commctrl.h>

#include <vector>

void FillList(HWND list, const ItemList& items) {
    std::vector<const wchar_t*> texts;
    for (const ListItem& item : items) {
        texts.push_back(item.text);
    }
    AppendComboTexts(list, texts);
}

void SetSpinRange(HWND spin, int lowest, int highest) {
    SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(lowest), static_cast<LPARAM>(highest));
}

bool DropNonDigits(HWND box) {
    const std::wstring text = WindowText(box);
    std::wstring digits;
    for (wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            digits += c;
        }
    }
    if (digits == text) {
        return false;
    }
    ReplaceBoxText(box, digits);
    return true;
}

void ReplaceBoxText(HWND box, const std::wstring& text) {
    SetWindowTextW(box, text.c_str());
    const auto end = static_cast<LPARAM>(text.size());
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(end), end);
}

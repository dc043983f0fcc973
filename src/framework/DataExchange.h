#pragma once
// Moves values between a dialog's members and its controls, in the direction
// given at construction. Validation happens only when saving: a failure shows
// the standard message (exclamation icon, OK, the application's name as
// caption), puts the focus on the control when it is shown (selecting an
// edit's text) and makes every later call of the same exchange do nothing.

#include "framework/Dialog.h"

#include <windows.h>

#include <string>

class CDataExchange {
public:
    CDataExchange(const CDialog& dialog, bool save) : m_dialog(dialog), m_save(save) {}

    bool Saving() const { return m_save; }
    bool Failed() const { return m_failed; }

    void Text(int id, std::wstring& value);
    // The control's text as an integer; "整数を入力してください。" otherwise.
    void Int(int id, int& value);
    // As above; a value outside min..max is stored in `value` and then
    // reported with "%1 から %2 までの整数を入力してください。".
    void Int(int id, int& value, int min, int max);
    // Check box: 0 unchecked, 1 checked, 2 indeterminate.
    void Check(int id, int& value);
    // Radio group opened by `firstId` (its WS_GROUP button) up to the next
    // control with WS_GROUP: the index of the checked button, -1 for none.
    void Radio(int firstId, int& value);
    // Combo box text. A drop-down list is set by selecting the first item
    // that begins with the text (the selection stays when none does) and
    // read as the selected item's text (empty with no selection).
    void ComboText(int id, std::wstring& value);

private:
    void Fail(int id, const std::wstring& message);
    void SetText(int id, const std::wstring& text);

    const CDialog& m_dialog;
    bool m_save;
    bool m_failed = false;
};

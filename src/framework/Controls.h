#pragma once
// Wrappers of the common controls the main window creates. A control's own
// messages pass through OnMessage first, so a derived class can answer
// requests (such as a tooltip's text) that the control would otherwise hand
// on to its parent.

#include "framework/Wnd.h"

#include <vector>

class CCommonCtrl : public CWnd {
public:
    // Creates the control as a child of `parent` with a zero rectangle.
    bool Create(const wchar_t* className, DWORD style, HWND parent, UINT id);

protected:
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
};

class CToolBarCtrl : public CCommonCtrl {
public:
    bool Create(DWORD style, HWND parent, UINT id);
};

class CStatusBarCtrl : public CCommonCtrl {
public:
    bool Create(DWORD style, HWND parent, UINT id);
    void SetText(int part, const wchar_t* text);
};

// Appends the texts to a combo box's list, in their order. The list is
// redrawn once at the end instead of after every text: each redraw is a trip
// to the window system, and the lists are filled while the window starts.
void AppendComboTexts(HWND combo, const std::vector<const wchar_t*>& texts);

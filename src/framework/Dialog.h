#pragma once
// A dialog built from a resource template. The static dialog procedure keeps
// `this` in the window's DWLP_USER slot and forwards every message to the
// virtual OnMessage, which dispatches the common ones to the handlers below.
// Handlers return true when they handled the message.

#include "framework/Wnd.h"

#include <map>
#include <string>

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}
    ~CDialog() override;

    UINT TemplateId() const { return m_templateId; }

    // Runs the dialog modally in a loop of our own: every message passes
    // PreTranslateMessage (by default the dialog keyboard handling) before it
    // is dispatched. The owner, if any, is disabled meanwhile. Returns the
    // value given to EndDialog, or -1 when the window cannot be created.
    INT_PTR DoModal(HWND owner = nullptr);
    // Ends the modal loop; the window is destroyed when the loop returns.
    void EndDialog(INT_PTR result);

    // Moves values between the members and the controls (DoDataExchange):
    // save = true reads and validates the controls, false sets them. Returns
    // false when a value failed its validation; the user has then been told.
    bool UpdateData(bool save = true);

    // Centres the window over its owner, kept inside the owner's work area.
    void CenterOverOwner();

    // The radio buttons of the group opened by `firstId` (its WS_GROUP
    // button) up to the next control with WS_GROUP, in tab order. Kept once
    // found, as GetDlgItem keeps its controls.
    const std::vector<HWND>& RadioGroup(int firstId) const;

    // The text of a control. An edit's text is kept from one read to the next
    // until the edit reports a change: asking an edit for its text is slow under
    // Wine, and the pages read theirs on every data check.
    std::wstring ControlText(int id) const;

protected:
    // WM_INITDIALOG; true lets the system put the focus on the first control.
    virtual bool OnInitDialog() { return true; }
    virtual bool OnCommand(UINT /*code*/, UINT /*id*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // A WM_COMMAND that OnCommand did not handle: by default IDOK runs OnOK
    // and IDCANCEL runs OnCancel.
    virtual bool OnUnhandledCommand(WPARAM wParam, LPARAM lParam);
    // Default: read the controls and, if they are valid, end with IDOK.
    virtual void OnOK();
    // Default: end with IDCANCEL.
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange& /*dx*/) {}
    // The window moved to a monitor of another DPI and has taken the size the
    // system suggested; the dialog rebuilds what it sized in pixels.
    virtual void OnDpiChanged(UINT /*oldDpi*/, UINT /*newDpi*/) {}
    // Sees every message of the modal loop before dispatch; true = consumed.
    virtual bool PreTranslateMessage(MSG& msg);
    // Every message of the window. Set `result` for messages that return a
    // value. Unhandled messages get the system's default dialog processing.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // The window's DPI as last seen (asking the system again costs a trip to
    // the window server under Wine).
    UINT Dpi() const { return m_dpi; }

private:
    UINT m_templateId;
    bool m_modalEnded = false;
    mutable std::vector<std::pair<int, std::vector<HWND>>> m_radioGroups;
    mutable std::map<int, std::wstring> m_editTexts;
    INT_PTR m_modalResult = 0;
    UINT m_dpi = 0; // the DPI last seen, 0 before WM_INITDIALOG
};

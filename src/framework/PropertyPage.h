#pragma once
// A child dialog laid over the main window (a tab page). Its template is a
// control-style child dialog, so the parent's dialog keyboard handling covers
// the page's controls and the page does none of its own. A plain command
// (menu, accelerator or one the page sends itself) that the page does not
// handle goes on to the parent window.

#include "framework/Dialog.h"

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

    // Creates the page window as a child of `parent`.
    bool Create(HWND parent);

protected:
    bool OnUnhandledCommand(WPARAM wParam, LPARAM lParam) override;
};

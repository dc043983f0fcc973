#pragma once
// The main window's toolbar: five command buttons with tooltips.

#include "framework/Controls.h"

class CMainToolBar : public CToolBarCtrl {
public:
    // Creates the toolbar across the top of `parent` and fills it.
    bool Create(HWND parent);

protected:
    // Answers the tooltip's request for a button's text itself.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

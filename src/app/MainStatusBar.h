#pragma once
// The main window's status bar: the printer's name and its port.

#include "framework/Controls.h"

class CMainStatusBar : public CStatusBarCtrl {
public:
    // Creates the status bar along the bottom of `parent` in two parts.
    bool Create(HWND parent);
    // Sets the parts again after the window's size changed.
    void Layout();
};

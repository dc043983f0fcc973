#pragma once
// The main window's toolbar: five command buttons with tooltips.

#include "framework/Controls.h"

#include <commctrl.h>

class CMainToolBar : public CToolBarCtrl {
public:
    // Creates the toolbar across the top of `parent` and fills it; `dpi` is
    // the parent's DPI when the caller knows it, 0 to ask for it.
    bool Create(HWND parent, UINT dpi = 0);
    // Images and buttons at the size for `dpi`: 16-pixel images on 23 x 22
    // buttons at 96 DPI, scaled from there.
    void SetDpi(UINT dpi);
    ~CMainToolBar() override;

protected:
    // Answers the tooltip's request for a button's text itself.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The images and sizes of SetDpi, without laying the buttons out again.
    void SetImages(UINT dpi);

    HIMAGELIST m_images = nullptr;
};

#pragma once
// The version information box.

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    bool OnInitDialog() override;
};

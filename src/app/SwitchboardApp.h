#pragma once
// The application object: refuses a second instance and runs the main window.

#include "framework/WinApp.h"

class CSwitchboardApp : public CWinApp {
public:
    // Returns false in every case: the main window's modal loop is the
    // program's only message loop, and the process ends when it returns.
    bool InitInstance() override;
};

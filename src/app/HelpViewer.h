#pragma once
// Opening and closing the help viewers. The HTML help control is loaded from
// the system's "hhctrl.ocx" the first time help is asked for.

#include <windows.h>

#include <string>

// Shows the contents of a compiled HTML help file in a viewer the main window
// does not own. False when no viewer window came up.
bool OpenHtmlHelp(const std::wstring& path);
// Shows the contents of a classic help file. False when the viewer failed.
bool OpenClassicHelp(HWND window, const std::wstring& path);
// Tells the viewers this program opened to close, as the main window goes.
void CloseHelpViewers(HWND window, const std::wstring& path);

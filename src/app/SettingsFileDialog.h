#pragma once
// The open and save-as dialogs for settings files.

#include <windows.h>

#include <string>

// Asks for a settings file to read (save = false) or to write (save = true),
// starting in the program's own folder. False when the user cancels.
bool AskSettingsFileName(HWND owner, bool save, std::wstring& path);

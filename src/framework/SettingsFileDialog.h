#pragma once
// The open and save-as dialogs for settings files and for the other files the
// program writes (the settings list), and reading a settings file chosen in one.

#include "settings/SettingsBlock.h"

#include <windows.h>

#include <optional>
#include <string>

// A kind of file the dialogs offer: the filter in the dialog's own form
// (description and pattern, each ending in a zero, and a final zero) and the
// extension without its dot.
struct FileKind {
    const wchar_t* filter;
    const wchar_t* extension;
};

extern const FileKind kSettingsFileKind; // "SB設定ファイル (*.dat)", dat

// Asks for a file to read (save = false) or to write (save = true, with a
// question before an existing file is replaced), starting in the program's
// own folder. False when the user cancels, and when the dialog fails, which
// is reported first.
bool AskFileName(HWND owner, bool save, const FileKind& kind, std::wstring& path);

// The block of the settings file at `path`; when it is none, the user is told
// so (owned by `owner`) and nothing is returned.
std::optional<SettingsBlock> ReadSettingsFileOrSay(HWND owner, const std::wstring& path);

inline bool AskSettingsFileName(HWND owner, bool save, std::wstring& path) {
    return AskFileName(owner, save, kSettingsFileKind, path);
}

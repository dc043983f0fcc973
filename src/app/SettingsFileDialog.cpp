#include "app/SettingsFileDialog.h"

#include "app/HelpLocation.h"
#include "framework/WinApp.h"

#include <commdlg.h>

// "SB設定ファイル (*.dat)|*.dat||" in the dialog's own form.
const FileKind kSettingsFileKind = {L"SB設定ファイル (*.dat)\0*.dat\0\0", L"dat"};
const FileKind kCsvFileKind = {L"CSV ファイル (*.csv)\0*.csv\0\0", L"csv"};

bool AskFileName(HWND owner, bool save, const FileKind& kind, std::wstring& path) {
    wchar_t file[MAX_PATH] = {};
    const std::wstring initialName = std::wstring(L"*.") + kind.extension;
    initialName.copy(file, MAX_PATH - 1);
    const std::wstring folder = ProgramFolder(ExecutablePath());

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kind.filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrDefExt = kind.extension;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);

    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) {
        return false;
    }
    path = file;
    return true;
}

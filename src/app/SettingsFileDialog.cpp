#include "app/SettingsFileDialog.h"

#include "app/HelpLocation.h"
#include "framework/WinApp.h"

#include <commdlg.h>

namespace {

// "SB設定ファイル (*.dat)|*.dat||" in the dialog's own form.
const wchar_t kFilter[] = L"SB設定ファイル (*.dat)\0*.dat\0\0";

} // namespace

bool AskSettingsFileName(HWND owner, bool save, std::wstring& path) {
    wchar_t file[MAX_PATH] = L"*.dat";
    const std::wstring folder = ProgramFolder(ExecutablePath());

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrDefExt = L"dat";
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);

    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) {
        return false;
    }
    path = file;
    return true;
}

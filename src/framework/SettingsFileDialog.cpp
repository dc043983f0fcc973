#include "framework/SettingsFileDialog.h"

#include "framework/Messages.h"
#include "framework/Paths.h"
#include "framework/SettingsFileIo.h"
#include "framework/WinApp.h"

#include <commdlg.h>

// "SB設定ファイル (*.dat)|*.dat||" in the dialog's own form.
const FileKind kSettingsFileKind = {L"SB設定ファイル (*.dat)\0*.dat\0\0", L"dat"};

bool AskFileName(HWND owner, bool save, const FileKind& kind, std::wstring& path) {
    // Room for the longest path, so no choice is cut.
    std::wstring file(kLongestPath, L'\0');
    const std::wstring initialName = std::wstring(L"*.") + kind.extension;
    initialName.copy(file.data(), kLongestPath - 1);
    const std::wstring folder = ProgramFolder(ExecutablePath());

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kind.filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kLongestPath;
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrDefExt = kind.extension;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);

    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) {
        // Without an error the user cancelled; a dialog that failed is no
        // answer either, but the user learns of it.
        if (CommDlgExtendedError() != 0) {
            ShowMessage(owner, L"ファイルの選択に失敗しました。", MB_OK | MB_ICONEXCLAMATION);
        }
        return false;
    }
    path = file.c_str();
    return true;
}

std::optional<SettingsBlock> ReadSettingsFileOrSay(HWND owner, const std::wstring& path) {
    std::optional<SettingsBlock> block = ReadSettingsFile(path);
    if (!block) {
        ShowMessage(owner, kNotSettingsFileText, MB_OK | MB_ICONEXCLAMATION);
    }
    return block;
}

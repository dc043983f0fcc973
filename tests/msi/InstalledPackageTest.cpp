// The 64-bit installer package as an administrator meets it. tests/msi/check-install.sh
// installs it silently into a scratch Wine prefix and runs the Installed tests, then
// uninstalls it silently and runs the Removed test.
#include "Harness.h"
#include "Printers.h"
#include "TestPrinters.h"

#include "settings/SettingsFile.h"

#include <shlobj.h>

#include <optional>

namespace e2e {
namespace {

const std::wstring kFolder = L"C:\\Program Files\\Switchboard\\";
const std::wstring kProduct = L"Korrin Vellatype 44QX スイッチボード";
const std::wstring kProgIdKey = L"Software\\Classes\\Korrin.Switchboard.Settings";
const std::wstring kOpenWithKey = L"Software\\Classes\\.dat\\OpenWithProgids";
const std::wstring kUninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::optional<std::wstring> MachineString(const std::wstring& key, const wchar_t* name) {
    wchar_t value[1024];
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

bool MachineKeyExists(const std::wstring& key) {
    HKEY handle;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The shortcut in the Start menu of all users or, where Wine's installer puts it, of the user.
std::optional<std::wstring> StartMenuShortcut() {
    for (int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        wchar_t path[MAX_PATH];
        if (SUCCEEDED(SHGetFolderPathW(nullptr, folder, nullptr, 0, path)) &&
            Exists(std::wstring(path) + L"\\" + kProduct + L".lnk"))
            return std::wstring(path) + L"\\" + kProduct + L".lnk";
    }
    return std::nullopt;
}

// The uninstall entry that shows the product's name, or an empty text.
std::wstring UninstallEntry() {
    HKEY entries;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey.c_str(), 0, KEY_READ, &entries) !=
        ERROR_SUCCESS)
        return {};
    std::wstring found;
    wchar_t name[256];
    for (DWORD i = 0, length = 256;
         found.empty() && RegEnumKeyExW(entries, i, name, &length, nullptr, nullptr, nullptr,
                                        nullptr) == ERROR_SUCCESS;
         ++i, length = 256) {
        const std::wstring key = kUninstallKey + L"\\" + name;
        if (MachineString(key, L"DisplayName") == kProduct)
            found = key;
    }
    RegCloseKey(entries);
    return found;
}

// Files and shortcut; the uninstall entry; settings files open with the program without
// the program taking the extension.
TEST(Installed, FilesShortcutAndRegistryEntries) {
    for (const wchar_t* file : {L"kvswbd.exe", L"kvswbd.chm", L"README-ja.txt"})
        EXPECT_TRUE(Exists(kFolder + file)) << file;
    EXPECT_TRUE(StartMenuShortcut());
    const std::wstring entry = UninstallEntry();
    ASSERT_FALSE(entry.empty());
    const struct {
        std::wstring key;
        const wchar_t* name;
        std::wstring value;
    } entries[] = {
        {entry, L"Publisher", L"Korrin"},
        {entry, L"DisplayVersion", L"2.0.0"},
        {entry, L"DisplayIcon", kFolder + L"kvswbd.exe,0"},
        {kProgIdKey, nullptr, L"SB設定ファイル"},
        {kProgIdKey + L"\\DefaultIcon", nullptr, kFolder + L"kvswbd.exe,0"},
        {kProgIdKey + L"\\shell\\open\\command", nullptr, L"\"" + kFolder + L"kvswbd.exe\" \"%1\""},
        {kOpenWithKey, L"Korrin.Switchboard.Settings", L""},
    };
    for (const auto& e : entries)
        EXPECT_EQ(MachineString(e.key, e.name), e.value) << e.key << " " << (e.name ? e.name : L"");
    EXPECT_NE(MachineString(L"Software\\Classes\\.dat", nullptr), L"Korrin.Switchboard.Settings");
}

TEST(Installed, TheOpenCommandShowsTheSettingsFile) {
    Printers printers;
    ASSERT_TRUE(printers.Add({kDefaultPrinter}));
    SettingsBlock block = FactoryBlock();
    block.bytes[4] = 0x0A; // MSW1-1 to 1-3: アメリカ; MSW1-4: 高速受信
    const SettingsFileImage image = BuildSettingsFile(block);
    const std::wstring file = WindowsPathOf(TempUnixPath(L"インストール確認 設定.dat"));
    WriteFileBytes(file, std::vector<unsigned char>(image.begin(), image.end()));

    // The command as Explorer runs it: the program's quoted path, then the file for %1.
    std::wstring command =
        MachineString(kProgIdKey + L"\\shell\\open\\command", nullptr).value_or(L"");
    ASSERT_EQ(command.rfind(L"\"", 0), 0u) << command;
    const std::size_t pathEnd = command.find(L'"', 1);
    ASSERT_NE(pathEnd, std::wstring::npos) << command;
    std::wstring arguments = command.substr(pathEnd + 2);
    arguments.replace(arguments.find(L"%1"), 2, file);
    Program app;
    app.UsePath(command.substr(1, pathEnd - 1));
    app.SetArguments(arguments);
    ASSERT_TRUE(app.Start());

    app.Press(Ctrl('1'));
    ASSERT_SOON_EQ(app.SelectedTab(), 3);
    const HWND page = app.VisiblePage();
    ASSERT_NE(page, nullptr);
    const HWND countries = GetDlgItem(page, 1010);
    EXPECT_SOON_EQ(ComboItem(countries, ComboSelection(countries)), L"アメリカ");
    EXPECT_SOON(IsChecked(GetDlgItem(page, 1009))); // 高速受信(&K)
    app.End();
    DeleteFileW(file.c_str());
}

TEST(Removed, NothingIsLeft) {
    EXPECT_FALSE(Exists(kFolder));
    EXPECT_FALSE(StartMenuShortcut());
    EXPECT_EQ(UninstallEntry(), L"");
    EXPECT_FALSE(MachineKeyExists(kProgIdKey));
    EXPECT_EQ(MachineString(kOpenWithKey, L"Korrin.Switchboard.Settings"), std::nullopt);
}

} // namespace
} // namespace e2e

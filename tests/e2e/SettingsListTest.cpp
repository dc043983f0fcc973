// The settings list as a user meets it: the menu item, the three comparisons, the filter of
// differing rows and the CSV file, written or failing.
#include "FileDialog.h"
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "settings/SettingsFile.h"

namespace e2e {
namespace {

constexpr int kCompare = 1300;
constexpr int kDifferentOnly = 1301;
constexpr int kList = 1302;
constexpr int kSave = 1303;
constexpr int kSummary = 1304;
constexpr int kRowCount = 75;
constexpr char kBom[] = "\xEF\xBB\xBF";

std::wstring TempFile(const std::wstring& name) {
    const std::wstring path = WindowsPathOf(TempUnixPath(name));
    DeleteFileW(path.c_str());
    return path;
}

std::string Utf8Of(const std::wstring& text) {
    std::string bytes(static_cast<size_t>(text.size() * 3), '\0');
    bytes.resize(static_cast<size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr)));
    return bytes;
}

class SettingsListTest : public ProgramTest {
protected:
    // "高速受信(&K)" on page ＭＳＷ１: MSW1-4 differs from the factory settings.
    void ChangeOneSetting() {
        app.Press(Ctrl('1'));
        SendMessageW(GetDlgItem(app.VisiblePage(), 1009), BM_CLICK, 0, 0);
        app.Settle();
    }

    // ファイル, then 設定一覧(&L) by its access key.
    HWND Open() {
        app.Press(Alt('F'));
        // The letter goes to the page instead when the drop-down is not open yet.
        WaitUntil([&] { return app.DropDownMenu() != nullptr; });
        app.Press('L');
        return app.WaitForDialog(L"設定一覧");
    }

    std::wstring Summary(HWND dialog) const { return TextOf(GetDlgItem(dialog, kSummary)); }

    // Moves the comparison list's selection with a key, as a user does.
    void MoveComparison(HWND dialog, WORD key) {
        app.SetFocusTo(GetDlgItem(dialog, kCompare));
        app.Press(key);
    }

    // "CSV で保存" and the file chosen in the save-as dialog.
    void Save(HWND dialog, const std::wstring& path) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(kSave, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, kSave)));
        auto files = WaitForFileDialog(app);
        ASSERT_TRUE(files) << "no save dialog";
        files->Choose(path);
        app.Settle();
    }
};

TEST_F(SettingsListTest, MenuItemListsEverySettingFiltersAndSavesAllRows) {
    ChangeOneSetting();
    HWND dialog = Open();
    ASSERT_TRUE(dialog) << "the menu item opened no list";
    HWND list = GetDlgItem(dialog, kList);
    EXPECT_EQ(ListRowCount(list), kRowCount);
    EXPECT_EQ(ComboSelection(GetDlgItem(dialog, kCompare)), 0);
    EXPECT_EQ(ComboItem(GetDlgItem(dialog, kCompare), 0), L"工場出荷設定");
    EXPECT_EQ(Summary(dialog), L"相違のある項目： 1 件");

    SendMessageW(GetDlgItem(dialog, kDifferentOnly), BM_CLICK, 0, 0);
    ASSERT_EQ(ListRowCount(list), 1);
    EXPECT_EQ(ListItemText(list, 0, 0), L"ＭＳＷ１");
    EXPECT_EQ(ListItemText(list, 0, 1), L"データ受信方法の切り替え");
    EXPECT_EQ(ListItemText(list, 0, 2), L"高速受信");
    EXPECT_EQ(ListItemText(list, 0, 3), L"従来互換");

    const std::wstring path = TempFile(L"e2e-list.csv");
    Save(dialog, path);
    const std::string header = kBom + Utf8Of(L"ページ,項目,設定値,比較先,相違\r\n");
    // The file is written once the save dialog has gone.
    std::vector<unsigned char> bytes;
    WaitUntil([&] { return (bytes = ReadFileBytes(path)).size() > header.size(); });
    const std::string csv(bytes.begin(), bytes.end());
    ASSERT_EQ(csv.substr(0, header.size()), header);
    EXPECT_EQ(csv.substr(header.size(), csv.find("\r\n", header.size()) + 2 - header.size()),
              Utf8Of(L"機能選択,用紙厚調整,オート,オート,\r\n"));
    EXPECT_NE(csv.find(Utf8Of(L"\r\nＭＳＷ１,データ受信方法の切り替え,高速受信,従来互換,*\r\n")),
              std::string::npos);
    size_t lines = 0, marked = 0;
    for (size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) {
        ++lines;
        marked += csv[at - 1] == '*' ? 1 : 0;
    }
    EXPECT_EQ(lines, static_cast<size_t>(kRowCount + 1)); // all rows, whatever the filter
    EXPECT_EQ(marked, 1u);
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1);

    app.Press(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(app.IsToolbarButtonEnabled(kButtonSend)); // the list changed no copy
}

TEST_F(SettingsListTest, ComparesWithTheSentCopyAndWithASettingsFile) {
    ChangeOneSetting();
    app.Press(Ctrl('W'));
    auto sent = app.WaitForMessageBox();
    ASSERT_TRUE(sent);
    sent->Answer(IDOK);

    HWND dialog = Open();
    ASSERT_TRUE(dialog);
    HWND compare = GetDlgItem(dialog, kCompare);
    MoveComparison(dialog, VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return Summary(dialog) == L"相違のある項目： 0 件"; }));
    EXPECT_EQ(ComboSelection(compare), 1);

    // Cancel, then a file that is no settings file: the sent copy stays the choice.
    MoveComparison(dialog, VK_DOWN);
    auto files = WaitForFileDialog(app);
    ASSERT_TRUE(files);
    files->Cancel();
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(compare) == 1; }));
    const std::wstring bad = TempFile(L"e2e-list-bad.dat");
    WriteFileBytes(bad, {'x', 'y'});
    MoveComparison(dialog, VK_DOWN);
    files = WaitForFileDialog(app);
    ASSERT_TRUE(files);
    files->Choose(bad);
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), L"このファイルは設定ファイルではありません。");
    EXPECT_EQ(box->GetIcon(), Icon::Exclamation);
    box->Answer(IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(compare) == 1; }));
    EXPECT_EQ(Summary(dialog), L"相違のある項目： 0 件");

    // A file whose MSW2-2 is off: that switch and MSW1-4 differ.
    SettingsBlock other = FactoryBlock();
    other.bytes[7] = 0x00;
    const SettingsFileImage image = BuildSettingsFile(other);
    const std::wstring good = TempFile(L"e2e-list-other.dat");
    WriteFileBytes(good, std::vector<unsigned char>(image.begin(), image.end()));
    MoveComparison(dialog, VK_DOWN);
    files = WaitForFileDialog(app);
    ASSERT_TRUE(files);
    files->Choose(good);
    EXPECT_TRUE(WaitUntil([&] { return Summary(dialog).find(good) != std::wstring::npos; }));
    EXPECT_EQ(ComboSelection(compare), 2);
    EXPECT_EQ(Summary(dialog), L"相違のある項目： 2 件　　比較先のファイル： " + good);
    SendMessageW(GetDlgItem(dialog, kDifferentOnly), BM_CLICK, 0, 0);
    HWND list = GetDlgItem(dialog, kList);
    ASSERT_EQ(ListRowCount(list), 2);
    EXPECT_EQ(ListItemText(list, 1, 1), L"シートガイド用紙無し検出");
    EXPECT_EQ(ListItemText(list, 1, 2), L"常時");
    EXPECT_EQ(ListItemText(list, 1, 3), L"印刷時");

    MoveComparison(dialog, VK_HOME); // back to the factory settings
    EXPECT_TRUE(WaitUntil([&] { return Summary(dialog) == L"相違のある項目： 1 件"; }));
}

TEST_F(SettingsListTest, FailedWriteIsReportedWithTheStopIcon) {
    HWND dialog = Open();
    ASSERT_TRUE(dialog);
    // The build links this name to the full device: it opens, and every write to it fails.
    Save(dialog, WindowsPathOf(TempUnixPath(L"device-full.csv")));
    auto box = app.WaitForMessageBox();
    if (box && box->Text() != L"設定一覧の保存に失敗しました。") {
        box->Answer(IDYES); // the save-as dialog's question before replacing the file
        box = app.WaitForMessageBox();
    }
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), L"設定一覧の保存に失敗しました。");
    EXPECT_EQ(box->GetIcon(), Icon::Stop);
    EXPECT_EQ(box->Caption(), L"Switchboard");
    box->Answer(IDOK);
    EXPECT_TRUE(IsWindow(dialog));
}

} // namespace
} // namespace e2e

// Printer selection at start and on request, and sending the settings to the printer.
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "settings/SettingsBlock.h"

namespace e2e {
namespace {

constexpr wchar_t kSelectTitle[] = L"プリンタの選択";
constexpr int kPrinterList = 1069;
constexpr int kSelectPrinterCommand = 32798;
constexpr wchar_t kFilePrinter[] = L"KV file";
constexpr wchar_t kNoPrinters[] = L"使用可能なプリンタがありませんでした。プリンタドライバを確認"
                                  L"してからやり直してください。\n\nSwitchboardを終了します。";
constexpr wchar_t kFileOnlyRow[] = L"接続先がFILEのため設定値を送信できません。\nプリンタ設定を確"
                                   L"認してやり直してください。\n\nSwitchboardを終了します。";
constexpr wchar_t kFileChooseOther[] = L"接続先がFILEのため設定値を送信できません。\nプリンタ設定"
                                       L"を変更するか、他のプリンタに変更してください。";
constexpr wchar_t kSent[] = L"プリンタに設定値を送信しました。";
constexpr wchar_t kFactoryShown[] = L"工場出荷設定値を表示しました。";
constexpr wchar_t kSaveBeforeExit[] = L"Switchboard を終了する前に、設定ファイルへ保存しますか？";
constexpr wchar_t kSaveBeforeSwitch[] = L"設定値が変更されています。\nプリンタを切り替える前に、"
                                        L"設定ファイルへ保存しますか？";
constexpr wchar_t kSendBeforeExit[] =
    L"Switchboard を終了する前に、設定値をプリンタへ送信しますか？";

// Printers are set up per test before the program starts.
class PrinterTest : public ::testing::Test {
protected:
    void TearDown() override {
        app.End();
        SetProgramVersion(nullptr);
    }

    // Expects the message that ends the program, answers it and checks the exit code 1.
    void ExpectEndsWith(const wchar_t* text) {
        auto box = app.WaitForMessageBox(15s);
        ASSERT_TRUE(box) << "no message";
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->GetIcon(), Icon::Exclamation);
        EXPECT_EQ(box->Caption(), L"Switchboard");
        box->Answer(IDOK);
        ASSERT_TRUE(app.WaitForExit());
        EXPECT_EQ(app.ExitCode(), 1u);
    }

    // The Windows version Wine reports to the program alone; null for the prefix's own.
    static void SetProgramVersion(const wchar_t* version) {
        const wchar_t* key = L"Software\\Wine\\AppDefaults\\kvswbd.exe";
        if (!version) {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Version");
            return;
        }
        RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Version", REG_SZ, version,
                        static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    }

    HWND WaitForSelection() { return app.WaitForDialog(kSelectTitle, 15s); }

    // Clicks a button of the printer selection dialog.
    void Press(HWND dialog, int button) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    int RowOf(HWND list, const std::wstring& name) {
        for (int row = 0; row < ListRowCount(list); ++row) {
            if (ListItemText(list, row, 0) == name)
                return row;
        }
        return -1;
    }

    void Answer(const wchar_t* text, int button) {
        auto box = app.WaitForMessageBox();
        ASSERT_TRUE(box) << "expected: " << Utf8Of(text);
        EXPECT_EQ(box->Text(), text);
        box->Answer(button);
    }

    static std::string Utf8Of(const wchar_t* text) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        std::string result(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
        return result;
    }

    Printers printers;
    Program app;
};

TEST_F(PrinterTest, PrintersThatDoNotCountLeaveNoneAndTheProgramEnds) {
    printers.Add({L"Other model", L"LPT1:", L"Generic Text"});
    printers.Add({L"Wrong case", L"LPT1:", L"korrin vellatype 44qx"});
    Printer closed{L"Cannot open"};
    closed.openable = false;
    printers.Add(closed);
    ASSERT_TRUE(app.Launch());
    ExpectEndsWith(kNoPrinters);
}

TEST_F(PrinterTest, ASinglePrinterOnFileEndsTheProgramAtStart) {
    printers.Add({kFilePrinter, L"FILE:"});
    ASSERT_TRUE(app.Launch());
    ExpectEndsWith(kFileOnlyRow);
}

TEST_F(PrinterTest, OneUsablePrinterIsTakenWithoutAsking) {
    printers.Add({kDefaultPrinter});
    printers.Add({L"Wrong case", L"LPT2:", L"korrin vellatype 44qX"});
    ASSERT_TRUE(app.Start());
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_SOON_EQ(app.StatusText(0), L"プリンタ名： KV44QX");
    EXPECT_SOON_EQ(app.StatusText(1), L"接続先： LPT1:");
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonPrinter));
}

TEST_F(PrinterTest, FilePortIsRefusedInTheListAndCancelAtStartEnds) {
    printers.Add({kDefaultPrinter});
    printers.Add({kFilePrinter, L"FILE:"});
    ASSERT_TRUE(app.Launch());
    HWND dialog = WaitForSelection();
    ASSERT_TRUE(dialog);
    HWND list = GetDlgItem(dialog, kPrinterList);
    ASSERT_SOON_EQ(ListRowCount(list), 2);
    EXPECT_EQ(ListItemText(list, RowOf(list, kFilePrinter), 1), L"FILE:");
    EXPECT_EQ(ListItemText(list, RowOf(list, kDefaultPrinter), 1), L"LPT1:");

    SelectListRow(list, RowOf(list, kFilePrinter));
    Press(dialog, IDOK);
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), kFileChooseOther);
    EXPECT_EQ(box->GetIcon(), Icon::Information);
    box->Answer(IDOK);
    EXPECT_TRUE(IsWindow(dialog));

    Press(dialog, IDCANCEL);
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

TEST_F(PrinterTest, SendWritesExactlyTheBlockAndExitThenAsksOnlyToSave) {
    printers.Add({kDefaultPrinter});
    ASSERT_TRUE(app.Start());
    // Clicking "高速受信(&K)" on the first memory switch page sets MSW1-4.
    app.Press(Ctrl('1'));
    HWND fastReceive = GetDlgItem(app.VisiblePage(), 1009);
    ASSERT_TRUE(fastReceive);
    SendMessageW(fastReceive, BM_CLICK, 0, 0);
    app.Settle();
    ASSERT_SOON(app.IsToolbarButtonEnabled(kButtonSend));

    app.Press(Ctrl('W'));
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), kSent);
    EXPECT_EQ(box->GetIcon(), Icon::Information);
    box->Answer(IDOK);

    SettingsBlock expected = FactoryBlock();
    expected.bytes[4] = 0x08;
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort),
                   std::string(expected.bytes.begin(), expected.bytes.end()));
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));

    app.SystemCommand(SC_CLOSE);
    Answer(kSaveBeforeExit, IDCANCEL);
    EXPECT_FALSE(app.HasExited());
}

// Wine reports the older platform to the program; its spooler then takes the job without
// passing it on to the port's file, so only the program's side is checked here.
TEST_F(PrinterTest, OlderWindowsSendsThroughTheStatusCheck) {
    SetProgramVersion(L"win98");
    printers.Add({kDefaultPrinter});
    ASSERT_TRUE(app.Start());
    app.Press(Ctrl('1'));
    SendMessageW(GetDlgItem(app.VisiblePage(), 1009), BM_CLICK, 0, 0);
    app.Settle();
    app.Press(Ctrl('W'));
    // Wine's spooler in this mode takes the job but does not end it (EndDocPrinter fails), and
    // a job that is not ended is not sent: the send is reported failed and stays enabled.
    Answer(
        L"指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。",
        IDOK);
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonSend));
}

TEST_F(PrinterTest, AnotherPrinterShowsFactorySettingsButKeepsSentAndSavedCopies) {
    printers.Add({kDefaultPrinter});
    printers.Add({L"KV second", L"LPT2:"});
    ASSERT_TRUE(app.Launch());
    HWND dialog = WaitForSelection();
    ASSERT_TRUE(dialog);
    HWND list = GetDlgItem(dialog, kPrinterList);
    SelectListRow(list, RowOf(list, kDefaultPrinter));
    Press(dialog, IDOK);
    ASSERT_TRUE(app.WaitForMainWindow());
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonPrinter));

    // Send a changed block: the sent copy differs from the factory block from now on.
    app.Press(Ctrl('1'));
    SendMessageW(GetDlgItem(app.VisiblePage(), 1009), BM_CLICK, 0, 0);
    app.Settle();
    app.Press(Ctrl('W'));
    Answer(kSent, IDOK);

    app.Command(kSelectPrinterCommand);
    Answer(kSaveBeforeSwitch, IDNO); // the sent block was never saved
    dialog = WaitForSelection();
    ASSERT_TRUE(dialog);
    list = GetDlgItem(dialog, kPrinterList);
    EXPECT_SOON_EQ(ListSelection(list), RowOf(list, kDefaultPrinter)); // the current one
    SelectListRow(list, RowOf(list, L"KV second"));
    Press(dialog, IDOK);
    Answer(kFactoryShown, IDOK);
    EXPECT_SOON_EQ(app.StatusText(0), L"プリンタ名： KV second");
    EXPECT_SOON_EQ(app.StatusText(1), L"接続先： LPT2:");

    // The factory settings now shown differ from what was sent, and from the saved copy
    // (still the factory block) they do not.
    app.SystemCommand(SC_CLOSE);
    Answer(kSendBeforeExit, IDNO);
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

} // namespace
} // namespace e2e

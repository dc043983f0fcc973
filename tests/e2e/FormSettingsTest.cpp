// The function selection page and its form settings dialog as a user meets them: the form
// button's caption, the dialog for form 0 and form 1, typing corrections, the checks on OK,
// the trackbars, Cancel, and forms edited one after another reaching the printer.
#include "FileDialog.h"
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "settings/SettingsFile.h"

#include <commctrl.h>

#include <cstring>

namespace e2e {
namespace {

constexpr int kFormList = 1056;
constexpr int kFormButton = 1002;

constexpr int kFrontTrack = 1094, kFrontEdit = 1060;
constexpr int kRearTrack = 1100, kRearEdit = 1200;
constexpr int kGuideTrack = 1095, kGuideEdit = 1062;
constexpr int kFeederTrack = 1102, kFeederEdit = 1066;
constexpr int kPostcardTrack = 1096, kPostcardEdit = 1064;
constexpr int kPageLength = 1054;
constexpr int kLeftMargin = 1201;
constexpr int kRightMargin = 1202;
constexpr int kMarginControls[] = {1209, 1210, 1211, 1212, 1201, 1202, 1203, 1204};

constexpr wchar_t kLeftMarginMessage[] =
    L"レフトマージン幅はライトマージン幅より小さくしてください。適正値に変更します。";
constexpr wchar_t kRightMarginMessage[] =
    L"ライトマージン幅はレフトマージン幅より大きくしてください。適正値に変更します。";
constexpr wchar_t kSent[] = L"プリンタに設定値を送信しました。";

class FormSettingsTest : public ProgramTest {
protected:
    HWND Page() const { return app.VisiblePage(); }

    // Chooses a form in the page's list with the keyboard, as a user does.
    void ChooseForm(int form) {
        app.SetFocusTo(GetDlgItem(Page(), kFormList));
        app.Press(VK_HOME);
        for (int i = 0; i < form; ++i)
            app.Press(VK_DOWN);
    }

    // Clicks the form button and waits for the dialog of that form.
    HWND OpenDialog(const std::wstring& formName) {
        ClickCentre(GetDlgItem(Page(), kFormButton));
        dialog = app.WaitForDialog(L"書式の設定： " + formName);
        return dialog;
    }

    void ClickCentre(HWND control) {
        RECT rect{};
        GetClientRect(control, &rect);
        app.Click(control, POINT{rect.right / 2, rect.bottom / 2});
    }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    std::wstring Text(int id) const { return TextOf(Item(id)); }
    int TrackPosition(int id) const {
        return static_cast<int>(SendMessageW(Item(id), TBM_GETPOS, 0, 0));
    }

    // Focuses the edit, selects its whole text and types over it.
    void TypeOver(int id, const std::wstring& digits) {
        app.SetFocusTo(Item(id));
        SendMessageW(Item(id), EM_SETSEL, 0, -1);
        for (wchar_t digit : digits)
            app.Press(static_cast<WORD>(digit));
    }

    // Checks the next message box and answers it.
    void Expect(const std::wstring& text, const std::wstring& caption) {
        auto box = app.WaitForMessageBox();
        ASSERT_TRUE(box) << "no message";
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->Caption(), caption);
        EXPECT_EQ(box->GetIcon(), Icon::Exclamation);
        EXPECT_EQ(box->Buttons(), std::vector<int>{IDOK});
        ASSERT_TRUE(box->Answer(IDOK));
    }

    bool DialogOpen() const { return IsWindow(dialog); }

    // Drags the trackbar's thumb with the mouse to position 0, 1 or 2.
    void Drag(int trackId, int position) {
        HWND track = Item(trackId);
        const RECT thumb = TrackRect(track, TBM_GETTHUMBRECT);
        const RECT channel = TrackRect(track, TBM_GETCHANNELRECT);
        POINT from{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
        const int inset = (thumb.right - thumb.left) / 2;
        POINT to{channel.left + inset + (channel.right - channel.left - 2 * inset) * position / 2,
                 from.y};
        ClientToScreen(track, &from);
        ClientToScreen(track, &to);
        app.Activate(dialog);
        Mouse(from, MOUSEEVENTF_MOVE);
        Mouse(from, MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 4; ++step)
            Mouse(POINT{from.x + (to.x - from.x) * step / 4, to.y}, MOUSEEVENTF_MOVE);
        Mouse(to, MOUSEEVENTF_LEFTUP);
    }

    HWND dialog = nullptr;

private:
    static RECT TrackRect(HWND track, UINT message) {
        RECT rect{};
        DWORD processId = 0;
        GetWindowThreadProcessId(track, &processId);
        HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId);
        void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE,
                                      PAGE_READWRITE);
        SendMessageW(track, message, 0, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, &rect, sizeof(rect), nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
        return rect;
    }

    void Mouse(POINT screen, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
        SendInput(1, &input, sizeof(INPUT));
        app.Settle();
    }
};

TEST_F(FormSettingsTest, ChoosingAFormShowsItOnTheButtonAtOnce) {
    HWND button = GetDlgItem(Page(), kFormButton);
    EXPECT_SOON_EQ(TextOf(button), L"書式０の設定(&D)");
    ChooseForm(3);
    EXPECT_SOON_EQ(TextOf(button), L"書式３の設定(&D)");
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonSend));
    ChooseForm(0);
    EXPECT_SOON_EQ(TextOf(button), L"書式０の設定(&D)");
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
}

TEST_F(FormSettingsTest, FormZeroHasNoMarginsAndFormOneHas) {
    ASSERT_TRUE(OpenDialog(L"書式０"));
    for (int id : kMarginControls)
        EXPECT_FALSE(IsWindowEnabled(Item(id))) << id;
    EXPECT_SOON_EQ(Text(kLeftMargin), L"0");
    EXPECT_SOON_EQ(Text(kRightMargin), L"136");
    EXPECT_SOON_EQ(Text(kPageLength), L"66");
    EXPECT_SOON_EQ(Text(kFrontEdit), L"120");
    EXPECT_SOON_EQ(Text(kFeederEdit), L"46");
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"54");
    EXPECT_SOON_EQ(TrackPosition(kFrontTrack), 2);
    EXPECT_SOON_EQ(TrackPosition(kFeederTrack), 0);
    EXPECT_SOON_EQ(TrackPosition(kPostcardTrack), 0);
    app.Press(VK_ESCAPE);
    ASSERT_SOON(!DialogOpen());

    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    for (int id : kMarginControls)
        EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
    app.Press(VK_ESCAPE);
}

TEST_F(FormSettingsTest, TypingIsCorrectedInPlace) {
    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    TypeOver(kFrontEdit, L"2");
    EXPECT_SOON_EQ(Text(kFrontEdit), L"40");
    TypeOver(kFrontEdit, L"1");
    EXPECT_SOON_EQ(Text(kFrontEdit), L"1");
    app.Press('4');
    EXPECT_SOON_EQ(Text(kFrontEdit), L"14");
    app.Press('0');
    EXPECT_SOON_EQ(Text(kFrontEdit), L"132");
    TypeOver(kPostcardEdit, L"4");
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"40");
    TypeOver(kGuideEdit, L"90");
    EXPECT_SOON_EQ(TrackPosition(kGuideTrack), 1);
    TypeOver(kPageLength, L"100");
    EXPECT_SOON_EQ(Text(kPageLength), L"99");
    TypeOver(kRightMargin, L"0");
    EXPECT_SOON_EQ(Text(kRightMargin), L"1");
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));

    // A left margin that reaches the right one is reported at once.
    TypeOver(kRightMargin, L"20");
    TypeOver(kLeftMargin, L"2");
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));
    app.Press('0');
    Expect(kLeftMarginMessage, L"レフトマージン幅");
    EXPECT_SOON_EQ(Text(kLeftMargin), L"19");
    app.Press(VK_ESCAPE);
}

TEST_F(FormSettingsTest, OkReportsOneIntakePositionBelowFortyAtATime) {
    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    TypeOver(kFrontEdit, L"15");
    TypeOver(kPostcardEdit, L"1");
    EXPECT_SOON_EQ(Text(kFrontEdit), L"15");
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"1");

    app.Press(VK_RETURN);
    Expect(L"フロントトラクタの吸入位置の値が下限を超えています。\n設定値を変更します。",
           L"フロントトラクタ吸入位置");
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));
    EXPECT_TRUE(DialogOpen());
    EXPECT_SOON_EQ(Text(kFrontEdit), L"40");
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"1");

    app.Press(VK_RETURN);
    Expect(L"はがきの吸入位置の値が下限を超えています。\n設定値を変更します。", L"はがき吸入位置");
    EXPECT_TRUE(DialogOpen());
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"40");

    app.Press(VK_RETURN);
    ASSERT_SOON(!DialogOpen());
    EXPECT_SOON(app.IsToolbarButtonEnabled(kButtonSend));
    ASSERT_TRUE(OpenDialog(L"書式１"));
    EXPECT_SOON_EQ(Text(kFrontEdit), L"40");
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"40");
    app.Press(VK_ESCAPE);
}

TEST_F(FormSettingsTest, RightMarginNotAboveLeftIsReportedOnlyOnOk) {
    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    TypeOver(kLeftMargin, L"10");
    TypeOver(kRightMargin, L"5");
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_SOON_EQ(Text(kRightMargin), L"5");

    ClickCentre(Item(IDOK));
    Expect(kRightMarginMessage, L"ライトマージン幅");
    EXPECT_TRUE(DialogOpen());
    EXPECT_SOON_EQ(Text(kRightMargin), L"11");
    EXPECT_SOON_EQ(app.Focus(), Item(kRightMargin));

    ClickCentre(Item(IDOK));
    ASSERT_SOON(!DialogOpen());
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));
    ASSERT_TRUE(OpenDialog(L"書式１"));
    EXPECT_SOON_EQ(Text(kLeftMargin), L"10");
    EXPECT_SOON_EQ(Text(kRightMargin), L"11");
    app.Press(VK_ESCAPE);
}

// OK checks the right margin against the left margin as it is then: made valid by a
// smaller left margin, it passes unreported and unchanged.
TEST_F(FormSettingsTest, RightMarginMadeValidMeanwhilePassesOk) {
    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    TypeOver(kLeftMargin, L"10");
    TypeOver(kRightMargin, L"5");
    TypeOver(kLeftMargin, L"3");
    ClickCentre(Item(IDOK));
    ASSERT_SOON(!DialogOpen());
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));
    ASSERT_TRUE(OpenDialog(L"書式１"));
    EXPECT_SOON_EQ(Text(kLeftMargin), L"3");
    EXPECT_SOON_EQ(Text(kRightMargin), L"5");
    app.Press(VK_ESCAPE);
}

// Pasted text keeps only its digits in every edit, before the edit's own correction.
TEST_F(FormSettingsTest, EditsKeepOnlyTheDigitsOfPastedText) {
    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    for (int id : {kFrontEdit, kRearEdit, kGuideEdit, kFeederEdit, kPostcardEdit, kPageLength,
                   kLeftMargin, kRightMargin}) {
        SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4x5"));
        EXPECT_SOON_EQ(Text(id), L"45") << id;
    }
    ClickCentre(Item(IDOK));
    EXPECT_SOON(!DialogOpen());
}

TEST_F(FormSettingsTest, TrackbarsWriteTheirScaleValues) {
    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    Drag(kFrontTrack, 0);
    EXPECT_SOON_EQ(TrackPosition(kFrontTrack), 0);
    EXPECT_SOON_EQ(Text(kFrontEdit), L"46");
    Drag(kGuideTrack, 1);
    EXPECT_SOON_EQ(Text(kGuideEdit), L"60");
    Drag(kPostcardTrack, 2);
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"120");
    Drag(kPostcardTrack, 0);
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"54");
    Drag(kFeederTrack, 2);
    EXPECT_SOON_EQ(Text(kFeederEdit), L"120");
    EXPECT_SOON_EQ(TrackPosition(kFeederTrack), 2);

    // The keyboard works a trackbar as well.
    app.SetFocusTo(Item(kRearTrack));
    app.Press(VK_HOME);
    EXPECT_SOON_EQ(Text(kRearEdit), L"46");
    app.Press(VK_RIGHT);
    EXPECT_SOON_EQ(Text(kRearEdit), L"60");

    // A scroll notification while another control has the focus changes nothing.
    app.SetFocusTo(Item(kPageLength));
    SendMessageW(Item(kFrontTrack), TBM_SETPOS, TRUE, 2);
    SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 2),
                 reinterpret_cast<LPARAM>(Item(kFrontTrack)));
    EXPECT_SOON_EQ(Text(kFrontEdit), L"46");

    app.Press(VK_RETURN);
    ASSERT_SOON(!DialogOpen());
    ASSERT_TRUE(OpenDialog(L"書式１"));
    EXPECT_SOON_EQ(Text(kFrontEdit), L"46");
    EXPECT_SOON_EQ(Text(kRearEdit), L"60");
    EXPECT_SOON_EQ(Text(kGuideEdit), L"60");
    EXPECT_SOON_EQ(Text(kFeederEdit), L"120");
    EXPECT_SOON_EQ(Text(kPostcardEdit), L"54");
    app.Press(VK_ESCAPE);
}

TEST_F(FormSettingsTest, CancelLeavesTheFormAsItWas) {
    ChooseForm(2);
    ASSERT_TRUE(OpenDialog(L"書式２"));
    TypeOver(kPageLength, L"5");
    TypeOver(kFrontEdit, L"100");
    TypeOver(kLeftMargin, L"30");
    app.Press(VK_ESCAPE);
    ASSERT_SOON(!DialogOpen());

    ASSERT_TRUE(OpenDialog(L"書式２"));
    EXPECT_SOON_EQ(Text(kPageLength), L"66");
    EXPECT_SOON_EQ(Text(kFrontEdit), L"120");
    EXPECT_SOON_EQ(Text(kLeftMargin), L"0");
    ClickCentre(Item(IDCANCEL));
    ASSERT_SOON(!DialogOpen());
    ChooseForm(0);
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
}

TEST_F(FormSettingsTest, EditsOfSeveralFormsAllReachThePrinter) {
    ASSERT_TRUE(OpenDialog(L"書式０"));
    TypeOver(kPageLength, L"20");
    app.Press(VK_RETURN);
    ASSERT_SOON(!DialogOpen());

    ChooseForm(1);
    ASSERT_TRUE(OpenDialog(L"書式１"));
    TypeOver(kPageLength, L"12");
    TypeOver(kFrontEdit, L"99");
    app.Press(VK_RETURN);
    ASSERT_SOON(!DialogOpen());

    ChooseForm(2);
    ASSERT_TRUE(OpenDialog(L"書式２"));
    TypeOver(kPageLength, L"34");
    TypeOver(kLeftMargin, L"5");
    TypeOver(kRightMargin, L"80");
    app.Press(VK_RETURN);
    ASSERT_SOON(!DialogOpen());

    app.Press(Ctrl('W'));
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), kSent);
    box->Answer(IDOK);

    SettingsBlock expected = FactoryBlock();
    std::memcpy(&expected.bytes[35], "20", 2);
    expected.bytes[70] = '2';
    std::memcpy(&expected.bytes[72], "12,000,136,099", 14);
    std::memcpy(&expected.bytes[103], "34,005,080", 10);
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort),
                   std::string(expected.bytes.begin(), expected.bytes.end()));
}

TEST_F(FormSettingsTest, AValueOutOfRangeFromAFileIsShownAndStopsOkUntilCorrected) {
    SettingsBlock block = FactoryBlock();
    block.bytes[70] = '1';
    std::memcpy(&block.bytes[72], "66,000,136,200", 14);
    const std::wstring path = WindowsPathOf(TempUnixPath(L"e2e-form-range.dat"));
    const SettingsFileImage image = BuildSettingsFile(block);
    WriteFileBytes(path, std::vector<unsigned char>(image.begin(), image.end()));
    app.Press(Ctrl('O'));
    auto open = WaitForFileDialog(app);
    ASSERT_TRUE(open);
    open->Choose(path);
    app.Settle();
    ASSERT_SOON_EQ(TextOf(GetDlgItem(Page(), kFormButton)), L"書式１の設定(&D)");

    ASSERT_TRUE(OpenDialog(L"書式１"));
    EXPECT_SOON_EQ(Text(kFrontEdit), L"200");
    EXPECT_SOON_EQ(TrackPosition(kFrontTrack), 2);
    ClickCentre(Item(IDOK));
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->Text(), L"40 から 132 までの整数を入力してください。");
    box->Answer(IDOK);
    EXPECT_TRUE(DialogOpen());
    EXPECT_SOON_EQ(app.Focus(), Item(kFrontEdit));

    TypeOver(kFrontEdit, L"100");
    app.Press(VK_RETURN);
    ASSERT_SOON(!DialogOpen());
    std::memcpy(&block.bytes[72], "66,000,136,100", 14);
    app.Press(Ctrl('W'));
    auto sent = app.WaitForMessageBox();
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->Text(), kSent);
    sent->Answer(IDOK);
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort),
                   std::string(block.bytes.begin(), block.bytes.end()));
}

} // namespace
} // namespace e2e

// The parameter pages パラメータ設定１ and ２: what they show, how the number boxes correct
// what is typed into them, the pending head-centring entry before a send or a write, and the
// blocks they give back.
#include "FileDialog.h"
#include "ProgramTest.h"
#include "TestPrinters.h"

#include "settings/FieldCodec.h"
#include "settings/SettingsFile.h"

namespace e2e {
namespace {

// Page 1
constexpr int kCutSheet = 1061, kCutSheetSpin = 1055;
constexpr int kFrontTractor = 1062;
constexpr int kRearTractor = 1063;
constexpr int kKanjiTable = 1066, kFont1 = 1058, kFont2 = 1059;
constexpr int kCenter = 1238, kLeft = 1236, kPostcardOff = 1065, kPostcardOn = 1018;
// Page 2
constexpr int kSheetGuide = 1067, kSheetFeeder = 1071, kFrontPitch = 1072, kRearPitch = 1073;
constexpr int kRetryTime = 1075, kAutoReturn = 1068, kSeconds = 1064, kSecondsSpin = 1060;

constexpr wchar_t kOutOfRange[] =
    L"用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n"
    L"適正値に変更します。";
constexpr wchar_t kOutOfRangeCaption[] = L"パラメータ設定－用紙吸入時ヘッドセンタリング位置";
constexpr wchar_t kSecondsRange[] = L"2 から 5 までの整数を入力してください。";
constexpr wchar_t kSent[] = L"プリンタに設定値を送信しました。";
constexpr wchar_t kDiscard[] =
    L"設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。";

std::string Bytes(const SettingsBlock& block) {
    return std::string(block.bytes.begin(), block.bytes.end());
}

void Put(SettingsBlock& block, Field field, const char* text) {
    for (std::size_t i = 0; i < field.length; ++i)
        block.bytes[field.offset + i] = static_cast<std::uint8_t>(text[i]);
}

std::vector<std::wstring> Items(HWND combo) {
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        items.push_back(ComboItem(combo, i));
    return items;
}

std::wstring Selected(HWND combo) {
    const int index = ComboSelection(combo);
    return index < 0 ? std::wstring() : ComboItem(combo, index);
}

void SetClipboardText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class ParamPagesTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        for (HWND page : app.Pages()) {
            if (GetDlgItem(page, kCutSheet))
                page1 = page;
            if (GetDlgItem(page, kSeconds))
                page2 = page;
        }
        ASSERT_TRUE(page1 && page2);
    }

    HWND On1(int id) const { return GetDlgItem(page1, id); }
    HWND On2(int id) const { return GetDlgItem(page2, id); }

    void ShowTab(WORD key, int tab) {
        app.Press(Ctrl(key));
        ASSERT_SOON_EQ(app.SelectedTab(), tab);
    }

    // Focuses the box, selects its whole text and types over it; an empty text deletes it.
    void TypeOver(HWND box, const std::wstring& typed) {
        app.SetFocusTo(box);
        app.Press(VK_HOME);
        app.Press(Key{VK_END, {VK_SHIFT}});
        if (typed.empty())
            app.Press(VK_DELETE);
        Type(typed);
    }

    void Type(const std::wstring& digits) {
        for (wchar_t digit : digits)
            app.Press(static_cast<WORD>(digit));
    }

    void ExpectText(HWND box, const std::wstring& text) { EXPECT_SOON_EQ(TextOf(box), text); }

    // Sets the text as a program would, without giving the box the focus.
    void SetTextFromOutside(HWND box, const wchar_t* text) {
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        app.Settle();
    }

    // Answers the next message box after checking it; false when there is none.
    bool Expect(const wchar_t* text, const wchar_t* caption, Icon icon) {
        auto box = app.WaitForMessageBox();
        if (!box)
            return false;
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->Caption(), caption);
        EXPECT_EQ(box->GetIcon(), icon);
        EXPECT_EQ(box->Buttons(), std::vector<int>{IDOK});
        return box->Answer(IDOK);
    }

    // Ctrl+W and the report of a successful send; what the printer received.
    std::string Send() {
        Printers::ClearOutput(kDefaultPort);
        app.Press(Ctrl('W'));
        if (!Expect(kSent, L"Switchboard", Icon::Information))
            return {};
        return Printers::Output(kDefaultPort);
    }

    // Ctrl+O, Yes to the discard question when the working copy is unsent, and the file chosen.
    void Read(const SettingsBlock& block, bool unsent) {
        const SettingsFileImage image = BuildSettingsFile(block);
        const std::wstring path = WindowsPathOf(TempUnixPath(L"param-pages.dat"));
        WriteFileBytes(path, std::vector<unsigned char>(image.begin(), image.end()));
        app.Press(Ctrl('O'));
        if (unsent) {
            auto question = app.WaitForMessageBox();
            ASSERT_TRUE(question);
            EXPECT_EQ(question->Text(), kDiscard);
            question->Answer(IDYES);
        }
        auto dialog = WaitForFileDialog(app);
        ASSERT_TRUE(dialog);
        dialog->Choose(path);
        app.Settle();
    }

    HWND page1 = nullptr;
    HWND page2 = nullptr;
};

TEST_F(ParamPagesTest, FactorySettingsWithListsAndTabOrder) {
    ShowTab('P', 1);
    ExpectText(On1(kCutSheet), L"40");
    ExpectText(On1(kFrontTractor), L"68");
    ExpectText(On1(kRearTractor), L"68");
    EXPECT_EQ(Items(On1(kKanjiTable)),
              (std::vector<std::wstring>{L"JIS1978年版", L"JIS1983年版", L"JIS1990年版"}));
    const std::vector<std::wstring> fonts{L"標準", L"イタリック", L"クーリエ", L"ゴシック",
                                          L"OCR-B"};
    EXPECT_EQ(Items(On1(kFont1)), fonts);
    EXPECT_EQ(Items(On1(kFont2)), fonts);
    EXPECT_SOON_EQ(Selected(On1(kKanjiTable)), L"JIS1978年版");
    EXPECT_SOON_EQ(Selected(On1(kFont1)), L"標準");
    EXPECT_SOON_EQ(Selected(On1(kFont2)), L"標準");
    EXPECT_SOON(IsChecked(On1(kCenter)));
    EXPECT_SOON(!IsChecked(On1(kLeft)));
    EXPECT_SOON(IsChecked(On1(kPostcardOff)));
    EXPECT_SOON(!IsChecked(On1(kPostcardOn)));

    app.SetFocusTo(On1(kCutSheet));
    for (int id :
         {kFrontTractor, kRearTractor, kKanjiTable, kFont1, kFont2, kCenter, kPostcardOff}) {
        app.Press(VK_TAB);
        EXPECT_SOON_EQ(app.Focus(), On1(id)) << "tab to " << id;
    }

    ShowTab('L', 2);
    const std::vector<std::wstring> pitches{L"-5", L"-4", L"-3", L"-2", L"-1", L"0",
                                            L"+1", L"+2", L"+3", L"+4", L"+5"};
    for (int id : {kSheetGuide, kSheetFeeder, kFrontPitch, kRearPitch}) {
        EXPECT_EQ(Items(On2(id)), pitches) << id;
        EXPECT_SOON_EQ(Selected(On2(id)), L"0") << id;
    }
    EXPECT_EQ(Items(On2(kRetryTime)),
              (std::vector<std::wstring>{L"０秒", L"５秒", L"１０秒", L"６０秒", L"１８０秒",
                                         L"３００秒", L"８１０秒", L"再実行なし"}));
    EXPECT_EQ(Items(On2(kAutoReturn)),
              (std::vector<std::wstring>{L"自動戻り無し", L"８秒", L"１５秒"}));
    EXPECT_SOON_EQ(Selected(On2(kRetryTime)), L"１０秒");
    EXPECT_SOON_EQ(Selected(On2(kAutoReturn)), L"８秒");
    ExpectText(On2(kSeconds), L"2");

    app.SetFocusTo(On2(kSheetGuide));
    for (int id : {kSheetFeeder, kFrontPitch, kRearPitch, kRetryTime, kAutoReturn, kSeconds}) {
        app.Press(VK_TAB);
        EXPECT_SOON_EQ(app.Focus(), On2(id)) << "tab to " << id;
    }
}

TEST_F(ParamPagesTest, HeadCentringIsCorrectedWhileTypingWithTheFocus) {
    ShowTab('P', 1);
    HWND box = On1(kCutSheet);
    TypeOver(box, L"7");
    ExpectText(box, L"10");
    TypeOver(box, L"5");
    ExpectText(box, L"5"); // pending: the user may type a second digit
    Type(L"0");
    ExpectText(box, L"50");
    TypeOver(box, L"");
    ExpectText(box, L"10");
    Type(L"0"); // the caret stays at the end after a correction
    ExpectText(box, L"68");
    SetClipboardText(L"1234");
    TypeOver(box, L"");
    ExpectText(box, L"10");
    app.Press(Ctrl('V'));
    ExpectText(box, L"68");

    // Changes without the focus are left as they are and mark nothing pending.
    SetTextFromOutside(On1(kFrontTractor), L"7");
    SetTextFromOutside(On1(kRearTractor), L"5");
    ExpectText(On1(kFrontTractor), L"7");
    ExpectText(On1(kRearTractor), L"5");
    SettingsBlock expected = FactoryBlock();
    Put(expected, layout::headCenterCutSheet, "68");
    Put(expected, layout::headCenterFrontTractor, "07");
    Put(expected, layout::headCenterRearTractor, "05");
    EXPECT_EQ(Send(), Bytes(expected));
}

TEST_F(ParamPagesTest, PendingEntryIsCorrectedInsteadOfSendingThenTheNextSendGoesAhead) {
    ShowTab('P', 1);
    TypeOver(On1(kFrontTractor), L"5");
    ExpectText(On1(kFrontTractor), L"5");
    ShowTab('1', 3);
    Printers::ClearOutput(kDefaultPort);

    app.Press(Ctrl('W'));
    auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_SOON_EQ(app.SelectedTab(), 1);
    EXPECT_SOON_EQ(app.VisiblePage(), page1);
    EXPECT_EQ(box->Text(), kOutOfRange);
    EXPECT_EQ(box->Caption(), kOutOfRangeCaption);
    EXPECT_EQ(box->GetIcon(), Icon::Exclamation);
    EXPECT_EQ(box->Buttons(), std::vector<int>{IDOK});
    ASSERT_TRUE(box->Answer(IDOK));
    ExpectText(On1(kFrontTractor), L"10");
    EXPECT_SOON_EQ(app.Focus(), On1(kFrontTractor));
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort), "");

    SettingsBlock expected = FactoryBlock();
    Put(expected, layout::headCenterFrontTractor, "10");
    EXPECT_EQ(Send(), Bytes(expected));
}

TEST_F(ParamPagesTest, TwoPendingBoxesGetOneMessageAndTheFocusEndsInTheLast) {
    ShowTab('P', 1);
    TypeOver(On1(kCutSheet), L"3");
    ExpectText(On1(kCutSheet), L"3");
    TypeOver(On1(kRearTractor), L"6");
    ExpectText(On1(kRearTractor), L"6");
    app.SetFocusTo(On1(kFont1));

    app.Press(Ctrl('S')); // the write stops as the send does: no file dialog
    ASSERT_TRUE(Expect(kOutOfRange, kOutOfRangeCaption, Icon::Exclamation));
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_FALSE(WaitForFileDialog(app, 300ms));
    ExpectText(On1(kCutSheet), L"10");
    ExpectText(On1(kFrontTractor), L"68");
    ExpectText(On1(kRearTractor), L"10");
    EXPECT_SOON_EQ(app.Focus(), On1(kRearTractor));
}

TEST_F(ParamPagesTest, ReadingASettingsFileClearsThePendingEntry) {
    ShowTab('P', 1);
    TypeOver(On1(kRearTractor), L"4");
    SettingsBlock file = FactoryBlock();
    Put(file, layout::headCenterCutSheet, "05"); // shown as it is, neither corrected nor pending
    Read(file, true);
    ExpectText(On1(kCutSheet), L"5");
    ExpectText(On1(kRearTractor), L"68");
    EXPECT_EQ(Send(), Bytes(file));
}

TEST_F(ParamPagesTest, EveryFieldOfAFileIsShownAndSentBackUnchanged) {
    SettingsBlock file = FactoryBlock();
    Put(file, layout::font1, "4");
    Put(file, layout::font2, "2");
    Put(file, layout::kanjiCodeTable, "2");
    Put(file, layout::postcardMode, "1");
    Put(file, layout::paperSetPosition, "1");
    Put(file, layout::headCenterCutSheet, "12");
    Put(file, layout::headCenterFrontTractor, "34");
    Put(file, layout::headCenterRearTractor, "56");
    Put(file, layout::autoReturnTime, "15");
    Put(file, layout::sheetGuideFeedTime, "4");
    Put(file, layout::thicknessRetryTime, "07");
    Put(file, layout::lfPitchFrontTractor, "04");
    Put(file, layout::lfPitchRearTractor, "FF");
    Put(file, layout::lfPitchSheetGuide, "FB");
    Put(file, layout::lfPitchSheetFeeder, "05");
    ShowTab('P', 1);
    TypeOver(On1(kCutSheet), L"20");
    Read(file, true);

    ExpectText(On1(kCutSheet), L"12");
    ExpectText(On1(kFrontTractor), L"34");
    ExpectText(On1(kRearTractor), L"56");
    EXPECT_SOON_EQ(Selected(On1(kFont1)), L"OCR-B");
    EXPECT_SOON_EQ(Selected(On1(kFont2)), L"クーリエ");
    EXPECT_SOON_EQ(Selected(On1(kKanjiTable)), L"JIS1990年版");
    EXPECT_SOON(IsChecked(On1(kLeft)));
    EXPECT_SOON(IsChecked(On1(kPostcardOn)));
    EXPECT_SOON_EQ(Selected(On2(kFrontPitch)), L"+4");
    EXPECT_SOON_EQ(Selected(On2(kRearPitch)), L"-1");
    EXPECT_SOON_EQ(Selected(On2(kSheetGuide)), L"-5");
    EXPECT_SOON_EQ(Selected(On2(kSheetFeeder)), L"+5");
    EXPECT_SOON_EQ(Selected(On2(kRetryTime)), L"再実行なし");
    EXPECT_SOON_EQ(Selected(On2(kAutoReturn)), L"１５秒");
    ExpectText(On2(kSeconds), L"4");

    EXPECT_EQ(Send(), Bytes(file));
}

TEST_F(ParamPagesTest, SecondsAreCorrectedWhileTypingWithTheFocus) {
    ShowTab('L', 2);
    HWND box = On2(kSeconds);
    for (const wchar_t* low : {L"0", L"1", L""}) {
        SCOPED_TRACE(testing::Message() << "typed: " << low);
        TypeOver(box, L"4");
        ExpectText(box, L"4");
        TypeOver(box, low);
        ExpectText(box, L"2");
    }
    TypeOver(box, L"7");
    ExpectText(box, L"5");
    TypeOver(box, L"3");
    ExpectText(box, L"3");
    Type(L"1");
    ExpectText(box, L"5");
    TypeOver(box, L"4");
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));

    SettingsBlock expected = FactoryBlock();
    Put(expected, layout::sheetGuideFeedTime, "4");
    EXPECT_EQ(Send(), Bytes(expected));
}

TEST_F(ParamPagesTest, LoadedSecondsOutOfRangeAreReportedAtEveryStoreAndStillWritten) {
    SettingsBlock file = FactoryBlock();
    Put(file, layout::sheetGuideFeedTime, "9");
    Put(file, layout::autoReturnTime, "00");
    Read(file, false); // the data check at its end stores the pages
    ASSERT_TRUE(Expect(kSecondsRange, L"kvswbd", Icon::Exclamation));
    HWND box = On2(kSeconds);
    ExpectText(box, L"9");
    EXPECT_NE(app.Focus(), box); // its page is not shown

    // Showing the page puts the focus on its first list, a change of its own: the
    // message comes again (once more as the focus leaves the list), and now the focus
    // goes into the box.
    ShowTab('L', 2);
    ASSERT_TRUE(Expect(kSecondsRange, L"kvswbd", Icon::Exclamation));
    EXPECT_TRUE(WaitUntil([&] {
        if (auto again = app.FindMessageBox()) {
            EXPECT_EQ(again->Text(), kSecondsRange);
            again->Answer(IDOK);
        }
        return app.Focus() == box;
    }));
    EXPECT_TRUE(app.NoMessageBoxWithin());
    const DWORD selection = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 1);

    // The page's lists are still read: a choice made there reaches the printer.
    SendMessageW(On2(kAutoReturn), CB_SETCURSEL, 2, 0); // "１５秒", without a notification
    Printers::ClearOutput(kDefaultPort);
    app.Press(Ctrl('W'));
    ASSERT_TRUE(Expect(kSecondsRange, L"kvswbd", Icon::Exclamation));
    ASSERT_TRUE(Expect(kSent, L"Switchboard", Icon::Information));
    Put(file, layout::autoReturnTime, "15");
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort), Bytes(file));
}

TEST_F(ParamPagesTest, UpDownArrowsStopAtBothEnds) {
    ShowTab('P', 1);
    HWND box = On1(kCutSheet);
    app.SetFocusTo(box);
    for (int i = 0; i < 30; ++i)
        app.Press(VK_UP);
    ExpectText(box, L"68");
    for (int i = 0; i < 60; ++i)
        app.Press(VK_DOWN);
    ExpectText(box, L"10");
    // Clicks on the arrows stop there too.
    HWND spin = On1(kCutSheetSpin);
    RECT rect{};
    GetClientRect(spin, &rect);
    for (int i = 0; i < 3; ++i)
        app.Click(spin, POINT{rect.right / 2, rect.bottom * 3 / 4});
    ExpectText(box, L"10");
    app.Click(spin, POINT{rect.right / 2, rect.bottom / 4});
    ExpectText(box, L"11");
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));

    ShowTab('L', 2);
    HWND seconds = On2(kSeconds);
    app.SetFocusTo(seconds);
    for (int i = 0; i < 6; ++i)
        app.Press(VK_UP);
    ExpectText(seconds, L"5");
    for (int i = 0; i < 6; ++i)
        app.Press(VK_DOWN);
    ExpectText(seconds, L"2");
    GetClientRect(On2(kSecondsSpin), &rect);
    app.Click(On2(kSecondsSpin), POINT{rect.right / 2, rect.bottom * 3 / 4});
    ExpectText(seconds, L"2");
    EXPECT_TRUE(app.NoMessageBoxWithin(200ms));
}

} // namespace
} // namespace e2e

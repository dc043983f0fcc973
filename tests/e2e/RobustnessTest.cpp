// The program under pressure: simultaneous starts, and many changes and sends in a row.
#include "ProgramTest.h"

#include "settings/FieldCodec.h"

namespace e2e {
namespace {

constexpr wchar_t kSent[] = L"プリンタに設定値を送信しました。";
// Radio buttons of the first memory switch page: MSW1-4 and MSW1-5, both options.
constexpr int kCompatible = 1007, kFastReceive = 1009;
constexpr int kDcCodesOn = 1016, kDcCodesOff = 1235;

TEST(RobustnessTest, TwoStartsAtTheSameMomentLeaveOneUsableWindow) {
    Printers printers;
    ASSERT_TRUE(printers.Add({kDefaultPrinter}));
    Program first, second;
    ASSERT_TRUE(first.Launch());
    ASSERT_TRUE(second.Launch());
    // One of the two gives way without a window; the other runs.
    ASSERT_TRUE(WaitUntil([&] { return first.HasExited() || second.HasExited(); }, 15s));
    Program& running = first.HasExited() ? second : first;
    Program& ended = first.HasExited() ? first : second;
    EXPECT_EQ(ended.ExitCode(), 0u);
    ASSERT_TRUE(running.WaitForMainWindow());
    EXPECT_FALSE(running.HasExited());
    EXPECT_EQ(RunningProgramCount(), 1);

    running.Press(Ctrl('I')); // it answers: the factory question comes up
    auto question = running.WaitForMessageBox();
    ASSERT_TRUE(question);
    question->Answer(IDCANCEL);
    running.End();
}

using RobustnessRunTest = ProgramTest;

TEST_F(RobustnessRunTest, AHundredChangesAndSendsLoseNothing) {
    app.Press(Ctrl('1'));
    HWND page = app.VisiblePage();
    ASSERT_TRUE(page);
    SettingsBlock expected = FactoryBlock();
    for (int i = 0; i < 100; ++i) {
        const bool fast = i % 2 == 0;        // changes every time
        const bool dcOff = (i / 3) % 2 == 1; // changes every third time
        SendMessageW(GetDlgItem(page, fast ? kFastReceive : kCompatible), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(page, dcOff ? kDcCodesOff : kDcCodesOn), BM_CLICK, 0, 0);
        expected.bytes[4] = fast ? 0x08 : 0x00;
        expected.bytes[5] = dcOff ? 0x01 : 0x00;

        app.Press(Ctrl('W'));
        auto box = app.WaitForMessageBox();
        ASSERT_TRUE(box) << "send " << i;
        ASSERT_EQ(box->Text(), kSent) << "send " << i;
        box->Answer(IDOK);
    }
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort),
                   std::string(expected.bytes.begin(), expected.bytes.end()));
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
    EXPECT_SOON(IsChecked(GetDlgItem(page, kCompatible)));
    EXPECT_SOON(IsChecked(GetDlgItem(page, kDcCodesOff)));
}

} // namespace
} // namespace e2e

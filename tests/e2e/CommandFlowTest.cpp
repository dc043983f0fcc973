// Commands of the main window: the factory settings, the greyed send and the exit flow.
#include "ProgramTest.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Switchboard";
constexpr wchar_t kFactoryQuestion[] =
    L"現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？";
constexpr wchar_t kFactoryShown[] = L"工場出荷設定値を表示しました。";
constexpr int kExitCommand = 32783;

using CommandFlowTest = ProgramTest;

TEST_F(CommandFlowTest, FactorySettingsAskFirstThenShowTheFirstPageAndReport) {
    app.Press(Ctrl('1'));
    ASSERT_SOON_EQ(app.SelectedTab(), 3);

    app.Press(Ctrl('I'));
    auto question = app.WaitForMessageBox();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->Caption(), kCaption);
    EXPECT_EQ(question->Text(), kFactoryQuestion);
    EXPECT_EQ(question->GetIcon(), Icon::Exclamation);
    EXPECT_EQ(question->Buttons(), (std::vector<int>{IDOK, IDCANCEL}));
    ASSERT_TRUE(question->Answer(IDOK));

    auto report = app.WaitForMessageBox();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->Caption(), kCaption);
    EXPECT_EQ(report->Text(), kFactoryShown);
    EXPECT_EQ(report->GetIcon(), Icon::Information);
    EXPECT_EQ(report->Buttons(), std::vector<int>{IDOK});
    EXPECT_SOON_EQ(app.SelectedTab(), 0);
    ASSERT_TRUE(report->Answer(IDOK));

    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
    // The factory block equals the sent and saved copies, so leaving asks nothing.
    app.Press(Alt(VK_F4));
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

TEST_F(CommandFlowTest, FactorySettingsCancelledChangeNothing) {
    app.Press(Ctrl('1'));
    ASSERT_SOON_EQ(app.SelectedTab(), 3);
    HWND page = app.VisiblePage();

    app.Press(Ctrl('I'));
    auto byKey = app.WaitForMessageBox();
    ASSERT_TRUE(byKey);
    ASSERT_TRUE(byKey->Answer(IDCANCEL));
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_SOON_EQ(app.SelectedTab(), 3);
    EXPECT_SOON_EQ(app.VisiblePage(), page);

    app.ClickToolbarButton(kButtonFactory);
    auto byButton = app.WaitForMessageBox();
    ASSERT_TRUE(byButton);
    EXPECT_EQ(byButton->Text(), kFactoryQuestion);
    ASSERT_TRUE(byButton->Answer(IDCANCEL));
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    EXPECT_SOON_EQ(app.SelectedTab(), 3);
}

// Nothing is unsent at start, so the send command is greyed and its key does nothing.
TEST_F(CommandFlowTest, CtrlWWhileSendIsGreyedSendsNothingAndSaysNothing) {
    ASSERT_SOON(!app.IsToolbarButtonEnabled(kButtonSend));
    Printers::ClearOutput(kDefaultPort);
    app.Press(Ctrl('W'));
    EXPECT_TRUE(app.NoMessageBoxWithin(500ms));
    EXPECT_SOON_EQ(Printers::Output(kDefaultPort), "");
}

TEST_F(CommandFlowTest, AltF4WithUnchangedSettingsClosesWithoutAsking) {
    app.Press(Alt(VK_F4));
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

TEST_F(CommandFlowTest, ExitCommandWithUnchangedSettingsClosesWithoutAsking) {
    app.Command(kExitCommand);
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

} // namespace
} // namespace e2e

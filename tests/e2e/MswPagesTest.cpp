// The memory switch pages as a user meets them: the factory states, a change that makes the
// send command available until it is undone, the exit question after a change, and the data
// check that merely opening the country list raises.
#include "ProgramTest.h"

namespace e2e {
namespace {

constexpr wchar_t kExitSendQuestion[] =
    L"Switchboard を終了する前に、設定値をプリンタへ送信しますか？";

// Control ids, named after what they show on their page.
constexpr int kCountryList = 1010;
constexpr int kConventional = 1007; // MSW1-4 "従来互換(&J)"
constexpr int kHighSpeed = 1009;    // MSW1-4 "高速受信(&K)"

using MswPagesTest = ProgramTest;

// Shows the page of bank 1 to 4 with its shortcut and returns it.
HWND ShowBank(Program& app, int bank) {
    app.Press(Ctrl(static_cast<WORD>('0' + bank)));
    WaitUntil([&] { return app.SelectedTab() == 2 + bank; });
    return app.VisiblePage();
}

void ClickControl(Program& app, HWND control) {
    RECT rect{};
    GetClientRect(control, &rect);
    app.Click(control, POINT{rect.right / 2, rect.bottom / 2});
}

bool SendAvailable(Program& app) {
    return app.IsToolbarButtonEnabled(kButtonSend);
}

TEST_F(MswPagesTest, FactoryBlockShowsTheFactoryStates) {
    struct Button {
        int id;
        bool checked;
    };
    const std::vector<Button> banks[4] = {
        {{1007, true},
         {1009, false},
         {1016, true},
         {1235, false},
         {1008, true},
         {1012, false},
         {1011, true},
         {1234, false},
         {1014, true},
         {1015, false}},
        {{1016, false},
         {1017, false},
         {1018, true},
         {1019, true},
         {1236, false},
         {1020, true},
         {1235, false},
         {1021, true},
         {1012, false},
         {1022, true},
         {1234, false},
         {1024, true},
         {1015, false}},
        {{1031, true},
         {1018, false},
         {1027, true},
         {1236, false},
         {1029, true},
         {1009, false},
         {1028, true},
         {1235, false},
         {1026, false},
         {1030, true},
         {1015, false}},
        {{1031, true},
         {1237, false},
         {1033, false},
         {1236, true},
         {1034, false},
         {1009, true},
         {1035, true},
         {1235, false},
         {1039, true},
         {1015, false}},
    };
    for (int bank = 1; bank <= 4; ++bank) {
        HWND page = ShowBank(app, bank);
        ASSERT_NE(page, nullptr) << "MSW" << bank;
        for (const Button& button : banks[bank - 1]) {
            HWND control = GetDlgItem(page, button.id);
            ASSERT_NE(control, nullptr) << "MSW" << bank << " id " << button.id;
            EXPECT_EQ(IsChecked(control), button.checked)
                << "MSW" << bank << " " << TextOf(control);
        }
        if (bank == 1) {
            HWND list = GetDlgItem(page, kCountryList);
            ASSERT_GE(ComboSelection(list), 0);
            EXPECT_EQ(ComboItem(list, ComboSelection(list)), L"日本");
        }
        if (bank == 2) {
            EXPECT_EQ(TextOf(GetDlgItem(page, 1018)), L"常時(&A)");
        }
        if (bank == 4) {
            const std::pair<int, const wchar_t*> shown[] = {{1031, L"有効(&U)"},
                                                            {1236, L"TOF＋固定長(&P)"},
                                                            {1009, L"両方向(&2)"},
                                                            {1035, L"通常印刷(&E)"},
                                                            {1039, L"オート(&A)"}};
            for (const auto& [id, text] : shown)
                EXPECT_EQ(TextOf(GetDlgItem(page, id)), text);
        }
    }
    EXPECT_FALSE(SendAvailable(app));
}

TEST_F(MswPagesTest, HighSpeedReceptionIsUnsentUntilTheConventionalModeIsChosenAgain) {
    HWND page = ShowBank(app, 1);
    ASSERT_NE(page, nullptr);
    ClickControl(app, GetDlgItem(page, kHighSpeed));
    EXPECT_TRUE(WaitUntil([&] { return SendAvailable(app); }));
    EXPECT_FALSE(IsChecked(GetDlgItem(page, kConventional)));

    app.Press(Alt(VK_F4));
    auto question = app.WaitForMessageBox();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->Caption(), L"Switchboard");
    EXPECT_EQ(question->Text(), kExitSendQuestion);
    EXPECT_EQ(question->GetIcon(), Icon::Exclamation);
    EXPECT_EQ(question->Buttons(), (std::vector<int>{IDCANCEL, IDYES, IDNO}));
    ASSERT_TRUE(question->Answer(IDCANCEL));
    EXPECT_TRUE(app.NoMessageBoxWithin(300ms));
    ASSERT_FALSE(app.HasExited());

    ClickControl(app, GetDlgItem(page, kConventional));
    EXPECT_TRUE(WaitUntil([&] { return !SendAvailable(app); }));
    app.Press(Alt(VK_F4));
    EXPECT_TRUE(app.ExitsWithoutMessageBox());
}

// A button checked from outside sends no notification, so the program notices the change
// only when something else raises a data check: here the opening of the country list.
TEST_F(MswPagesTest, OpeningTheCountryListRaisesADataCheck) {
    HWND page = ShowBank(app, 1);
    ASSERT_NE(page, nullptr);
    SendMessageW(GetDlgItem(page, kHighSpeed), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(GetDlgItem(page, kConventional), BM_SETCHECK, BST_UNCHECKED, 0);
    app.Settle();
    ASSERT_FALSE(SendAvailable(app));

    HWND list = GetDlgItem(page, kCountryList);
    SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(WaitUntil([&] { return SendAvailable(app); }));
    SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(ComboItem(list, ComboSelection(list)), L"日本");
}

} // namespace
} // namespace e2e

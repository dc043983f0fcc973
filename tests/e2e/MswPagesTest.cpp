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
    struct Bank {
        std::vector<int> checked;
        std::vector<int> unchecked;
    };
    const Bank banks[4] = {
        {{1007, 1016, 1008, 1011, 1014}, {1009, 1235, 1012, 1234, 1015}},
        {{1018, 1019, 1020, 1021, 1022, 1024}, {1016, 1017, 1236, 1235, 1012, 1234, 1015}},
        {{1031, 1027, 1029, 1028, 1030}, {1018, 1236, 1009, 1235, 1026, 1015}},
        {{1031, 1236, 1009, 1035, 1039}, {1237, 1033, 1034, 1235, 1015}},
    };
    for (int bank = 1; bank <= 4; ++bank) {
        HWND page = ShowBank(app, bank);
        ASSERT_NE(page, nullptr) << "MSW" << bank;
        for (bool checked : {true, false}) {
            const Bank& states = banks[bank - 1];
            for (int id : checked ? states.checked : states.unchecked) {
                HWND control = GetDlgItem(page, id);
                ASSERT_NE(control, nullptr) << "MSW" << bank << " id " << id;
                EXPECT_SOON_EQ(IsChecked(control), checked)
                    << "MSW" << bank << " " << TextOf(control);
            }
        }
    }
    HWND list = GetDlgItem(ShowBank(app, 1), kCountryList);
    ASSERT_GE(ComboSelection(list), 0);
    EXPECT_EQ(ComboItem(list, ComboSelection(list)), L"日本");
    EXPECT_SOON(!SendAvailable(app));
}

TEST_F(MswPagesTest, HighSpeedReceptionIsUnsentUntilTheConventionalModeIsChosenAgain) {
    HWND page = ShowBank(app, 1);
    ASSERT_NE(page, nullptr);
    ClickControl(app, GetDlgItem(page, kHighSpeed));
    EXPECT_SOON(SendAvailable(app));
    EXPECT_SOON(!IsChecked(GetDlgItem(page, kConventional)));

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
    EXPECT_SOON(!SendAvailable(app));
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
    ASSERT_SOON(!SendAvailable(app));

    HWND list = GetDlgItem(page, kCountryList);
    SendMessageW(list, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_SOON(SendAvailable(app));
    SendMessageW(list, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(ComboItem(list, ComboSelection(list)), L"日本");
}

} // namespace
} // namespace e2e

// The settings catalogue against the page templates: every label, group box,
// choice and unit that the list shows is spelled as the pages show it, and
// stands where the control it names stands.

#include "PageWindows.h"
#include "res/resource.h"
#include "settingslist/SettingsCatalogue.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

INT_PTR CALLBACK QuietProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

class Template {
public:
    explicit Template(int id) {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        // The pages are child dialogs: they need a parent.
        m_parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr,
                                   nullptr, nullptr);
        m_window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), m_parent,
                                      QuietProc, 0);
    }
    ~Template() { DestroyWindow(m_parent); }

    // The control with this text, or null.
    HWND Find(const wchar_t* text) const {
        HWND c = GetWindow(m_window, GW_CHILD);
        while (c && TextOf(c) != text) {
            c = GetWindow(c, GW_HWNDNEXT);
        }
        return c;
    }

private:
    HWND m_parent = nullptr;
    HWND m_window = nullptr;
};

// The next control after `from` in tab order that is not a static label.
HWND NextControl(HWND from) {
    HWND next = GetWindow(from, GW_HWNDNEXT);
    while (next && ClassOf(next) == L"Static") {
        next = GetWindow(next, GW_HWNDNEXT);
    }
    return next;
}

TEST(SettingsCatalogue, LabelsAreThePagesOwn) {
    const int pageTemplates[kTabCount] = {IDD_PAGE_SELECT, IDD_PAGE_PARAM, IDD_PAGE_PARAM_2,
                                          IDD_PAGE_MSW1,   IDD_PAGE_MSW2,  IDD_PAGE_MSW3,
                                          IDD_PAGE_MSW4};
    std::unique_ptr<Template> pages[kTabCount];
    for (int tab = 0; tab < kTabCount; ++tab) {
        pages[tab] = std::make_unique<Template>(pageTemplates[tab]);
    }
    for (const SettingEntry& entry : SettingEntries()) {
        SCOPED_TRACE(testing::Message() << kTabTexts[entry.tab] << " " << entry.label);
        const Template& page = *pages[entry.tab];
        const HWND label = page.Find(entry.label);
        ASSERT_TRUE(label);
        if (entry.group) {
            EXPECT_TRUE(page.Find(entry.group));
        }
        const HWND control = entry.kind == SettingKind::Check ? label : NextControl(label);
        ASSERT_TRUE(control);
        switch (entry.kind) {
        case SettingKind::Choice:
            EXPECT_EQ(TextOf(control), entry.choices[0]);
            EXPECT_EQ(TextOf(NextControl(control)), entry.choices[1]);
            EXPECT_EQ(ButtonType(NextControl(control)), BS_AUTORADIOBUTTON);
            break;
        case SettingKind::Check:
            EXPECT_EQ(ButtonType(control), BS_AUTOCHECKBOX);
            break;
        case SettingKind::List:
            EXPECT_EQ(ClassOf(control), L"ComboBox");
            break;
        case SettingKind::Number:
            EXPECT_EQ(ClassOf(control), L"Edit");
            EXPECT_TRUE(page.Find(entry.unit));
            break;
        }
    }
    const Template form(IDD_FORM_SETTINGS);
    for (const FormEntry& entry : FormEntries()) {
        SCOPED_TRACE(testing::Message() << entry.label);
        const HWND label = form.Find(entry.label);
        ASSERT_TRUE(label);
        EXPECT_TRUE(form.Find(entry.unit));
        EXPECT_TRUE(!entry.group || form.Find(entry.group));
        EXPECT_TRUE(ClassOf(NextControl(label)) == L"Edit" ||
                    ClassOf(NextControl(label)) == TRACKBAR_CLASSW);
    }
}

} // namespace

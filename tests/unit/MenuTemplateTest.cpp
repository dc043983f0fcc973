#include "menu/MenuTemplate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Builds template bytes word by word.
class Bytes {
public:
    Bytes& Word(std::uint16_t word) {
        data.push_back(static_cast<unsigned char>(word & 0xFF));
        data.push_back(static_cast<unsigned char>(word >> 8));
        return *this;
    }
    Bytes& Text(const std::u16string& text) {
        for (char16_t unit : text) {
            Word(static_cast<std::uint16_t>(unit));
        }
        return Word(0);
    }
    Bytes& Item(std::uint16_t flags, std::uint16_t id, const std::u16string& text) {
        return Word(flags).Word(id).Text(text);
    }
    Bytes& Popup(std::uint16_t flags, const std::u16string& text) {
        return Word(static_cast<std::uint16_t>(flags | kMenuPopup)).Text(text);
    }
    std::vector<unsigned char> data;
};

// Two drop-downs; the second holds a nested drop-down whose last item ends
// three levels at once.
Bytes NestedTemplate(std::uint16_t headerOffset) {
    Bytes bytes;
    bytes.Word(0).Word(headerOffset);
    for (std::uint16_t i = 0; i < headerOffset / 2; ++i) {
        bytes.Word(0xFFFF);
    }
    bytes.Popup(0, u"ファイル(&F)")
        .Item(0, 100, u"開く(&O)\tCtrl+O")
        .Item(0, 0, u"")
        .Item(kMenuEnd | kMenuGrayed, 101, u"終了(&X)")
        .Popup(kMenuEnd, u"表示(&V)")
        .Item(0, 200, u"A")
        .Popup(kMenuEnd, u"B")
        .Item(kMenuEnd, 300, u"C");
    return bytes;
}

TEST(MenuTemplate, ReadsNestedLevels) {
    for (std::uint16_t offset : {0, 4}) {
        const Bytes bytes = NestedTemplate(offset);
        const auto items = ParseMenuTemplate(bytes.data.data(), bytes.data.size());
        ASSERT_TRUE(items) << offset;
        ASSERT_EQ(items->size(), 2u);
        const MenuTemplateItem& file = (*items)[0];
        EXPECT_EQ(file.flags, kMenuPopup);
        EXPECT_EQ(file.text, u"ファイル(&F)");
        ASSERT_EQ(file.items.size(), 3u);
        EXPECT_EQ(file.items[0].id, 100);
        EXPECT_EQ(file.items[0].text, u"開く(&O)\tCtrl+O");
        EXPECT_EQ(file.items[1].flags, kMenuSeparator);
        EXPECT_EQ(file.items[2].flags, kMenuGrayed); // the end flag is not kept
        const MenuTemplateItem& view = (*items)[1];
        ASSERT_EQ(view.items.size(), 2u);
        EXPECT_EQ(view.items[0].id, 200);
        ASSERT_EQ(view.items[1].items.size(), 1u);
        EXPECT_EQ(view.items[1].items[0].id, 300);
        EXPECT_EQ(view.items[1].items[0].flags, 0);
    }
}

TEST(MenuTemplate, DataCutShortIsRefused) {
    const Bytes bytes = NestedTemplate(0);
    for (std::size_t size = 0; size < bytes.data.size(); ++size) {
        EXPECT_FALSE(ParseMenuTemplate(bytes.data.data(), size)) << size;
    }
    Bytes badOffset;
    badOffset.Word(0).Word(100).Item(kMenuEnd, 1, u"A");
    EXPECT_FALSE(ParseMenuTemplate(badOffset.data.data(), badOffset.data.size()));
}

TEST(MenuTemplate, ToolbarImageSkipsSeparators) {
    Bytes toolbar;
    toolbar.Word(1).Word(16).Word(15).Word(4).Word(10).Word(0).Word(11).Word(12);
    const auto& d = toolbar.data;
    EXPECT_EQ(ToolbarImageIndex(d.data(), d.size(), 10), 0);
    EXPECT_EQ(ToolbarImageIndex(d.data(), d.size(), 11), 1);
    EXPECT_EQ(ToolbarImageIndex(d.data(), d.size(), 12), 2);
    EXPECT_EQ(ToolbarImageIndex(d.data(), d.size(), 13), -1);
    EXPECT_EQ(ToolbarImageIndex(d.data(), d.size() - 2, 12), -1); // count larger than the data
    EXPECT_EQ(ToolbarImageIndex(d.data(), 4, 10), -1);
}

TEST(MenuTemplate, NewShellFromTheWindowsVersion) {
    EXPECT_EQ(ClassifyWindows(0x80000003u, std::nullopt), WindowsClass::Win32s);
    EXPECT_EQ(ClassifyWindows(0x80000004u, std::nullopt), WindowsClass::Windows95);
    EXPECT_EQ(ClassifyWindows(0x00000003u, 3u), WindowsClass::Nt3);
    EXPECT_EQ(ClassifyWindows(0x00000004u, std::nullopt), WindowsClass::Nt3);
    EXPECT_EQ(ClassifyWindows(0x00000A0Au, 10u), WindowsClass::Nt4OrLater);
    EXPECT_FALSE(HasNewShell(WindowsClass::Win32s));
    EXPECT_TRUE(HasNewShell(WindowsClass::Windows95));
    EXPECT_FALSE(HasNewShell(WindowsClass::Nt3));
    EXPECT_TRUE(HasNewShell(WindowsClass::Nt4OrLater));
}

} // namespace

#include "pages/SelectFields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void Put(SettingsBlock& block, std::size_t offset, const char* text) {
    std::memcpy(block.bytes.data() + offset, text, std::strlen(text));
}

std::string At(const SettingsBlock& block, Field field) {
    return std::string(block.bytes.begin() + field.offset,
                       block.bytes.begin() + field.offset + field.length);
}

TEST(SelectFields, PressureAndThicknessAsTheListsShowThem) {
    SettingsBlock block = FactoryBlock();
    std::wstring pressure = L"kept";
    std::wstring thickness;
    Put(block, 67, "FA");
    Put(block, 64, "00");
    LoadPressureText(block, pressure);
    LoadThicknessText(block, thickness);
    EXPECT_EQ(pressure, L"-6");
    EXPECT_EQ(thickness, L"オート");

    Put(block, 67, "03");
    Put(block, 64, "03");
    LoadPressureText(block, pressure);
    LoadThicknessText(block, thickness);
    EXPECT_EQ(pressure, L"+3");
    EXPECT_EQ(thickness, L"3");

    Put(block, 67, "X1"); // no value of the encoding: the text stays
    LoadPressureText(block, pressure);
    EXPECT_EQ(pressure, L"+3");

    StorePressureText(block, L"-1");
    StoreThicknessText(block, L"オート");
    EXPECT_EQ(At(block, layout::printPressureAdjust), "FF");
    EXPECT_EQ(At(block, layout::paperThickness), "00");
    StorePressureText(block, L"0");
    StoreThicknessText(block, L"5");
    EXPECT_EQ(At(block, layout::printPressureAdjust), "00");
    EXPECT_EQ(At(block, layout::paperThickness), "05");
}

TEST(SelectFields, ReducedPrintKeepsWhatHasNoEntry) {
    SettingsBlock block = FactoryBlock();
    std::wstring text;
    for (const char* code : {"0", "1", "3", "5", "7"}) {
        Put(block, 62, code);
        LoadReduceText(block, text);
        SettingsBlock stored = FactoryBlock();
        StoreReduceText(stored, text);
        EXPECT_EQ(At(stored, layout::reducedPrint), code);
    }
    EXPECT_EQ(text, L"４／５縮小（中央基準）");
    Put(block, 62, "2");
    LoadReduceText(block, text);
    EXPECT_EQ(text, L"４／５縮小（中央基準）");
    StoreReduceText(block, L"");
    EXPECT_EQ(At(block, layout::reducedPrint), "2");
}

TEST(SelectFields, HopperTypefaceAndForm) {
    SettingsBlock block = FactoryBlock();
    int hopper = -1;
    int typeface = -1;
    std::wstring form;
    Put(block, 58, "2");
    Put(block, 60, "1");
    Put(block, 70, "3");
    LoadHopperIndex(block, hopper);
    LoadTypefaceIndex(block, typeface);
    LoadFormText(block, form);
    EXPECT_EQ(hopper, 1);
    EXPECT_EQ(typeface, 1);
    EXPECT_EQ(form, L"書式３");

    Put(block, 58, "3");
    Put(block, 60, "7");
    Put(block, 70, "4");
    LoadHopperIndex(block, hopper);
    LoadTypefaceIndex(block, typeface);
    LoadFormText(block, form);
    EXPECT_EQ(hopper, 1);
    EXPECT_EQ(typeface, 7); // selects no radio button
    EXPECT_EQ(form, L"書式３");

    StoreHopperIndex(block, -1);
    StoreTypefaceIndex(block, -1);
    StoreFormText(block, L"書式");
    EXPECT_EQ(At(block, layout::hopper), "1");
    EXPECT_EQ(At(block, layout::typeface), "0");
    EXPECT_EQ(At(block, layout::formSelect), "0");
    StoreHopperIndex(block, 1);
    StoreTypefaceIndex(block, 1);
    StoreFormText(block, L"書式２");
    EXPECT_EQ(At(block, layout::hopper), "2");
    EXPECT_EQ(At(block, layout::typeface), "1");
    EXPECT_EQ(At(block, layout::formSelect), "2");
}

} // namespace

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

// Codes without an entry keep the page's values; values without a code store
// the factory code (every entry both ways is in GoldenBlockTest).
TEST(SelectFields, CodesWithoutAnEntryKeepTheValuesAndUnmatchedValuesStoreDefaults) {
    SettingsBlock block = FactoryBlock();
    SelectValues values;
    values.m_pressureText = L"+3";
    values.m_reduceText = L"４／５縮小（中央基準）";
    values.m_hopperIndex = 1;
    values.m_formText = L"書式３";
    Put(block, 67, "X1"); // no value of the encoding
    Put(block, 62, "2");
    Put(block, 58, "3");
    Put(block, 60, "7");
    Put(block, 70, "4");
    values.LoadFields(block);
    EXPECT_EQ(values.m_pressureText, L"+3");
    EXPECT_EQ(values.m_reduceText, L"４／５縮小（中央基準）");
    EXPECT_EQ(values.m_hopperIndex, 1);
    EXPECT_EQ(values.m_typefaceIndex, 7); // selects no radio button
    EXPECT_EQ(values.m_formText, L"書式３");

    values.m_reduceText = L"";
    values.m_hopperIndex = -1;
    values.m_typefaceIndex = -1;
    values.m_formText = L"書式";
    values.StoreFields(block);
    EXPECT_EQ(At(block, layout::reducedPrint), "2"); // left as it was
    EXPECT_EQ(At(block, layout::hopper), "1");
    EXPECT_EQ(At(block, layout::typeface), "0");
    EXPECT_EQ(At(block, layout::formSelect), "0");
}

} // namespace

#include "pages/ParamValues.h"

#include "settings/FieldCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Put(SettingsBlock& block, Field field, const char* text) {
    for (std::size_t i = 0; i < field.length; ++i) {
        block.bytes[field.offset + i] = static_cast<std::uint8_t>(text[i]);
    }
}

std::string Get(const SettingsBlock& block, Field field) {
    return std::string(block.bytes.begin() + field.offset,
                       block.bytes.begin() + field.offset + field.length);
}

// A block whose every byte is 'Z': what a store leaves as it was stays 'Z'.
SettingsBlock Filled() {
    SettingsBlock block;
    block.bytes.fill('Z');
    return block;
}

int ChangedBytes(const SettingsBlock& a, const SettingsBlock& b) {
    int changed = 0;
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        changed += a.bytes[i] != b.bytes[i];
    }
    return changed;
}

TEST(ParamValues, FactoryBlockShowsTheFactoryValuesAndStoresBackUnchanged) {
    ParamValues values;
    values.LoadFields(FactoryBlock());
    EXPECT_EQ(values.m_headCenterCutSheet, 40);
    EXPECT_EQ(values.m_headCenterFrontTractor, 68);
    EXPECT_EQ(values.m_headCenterRearTractor, 68);
    EXPECT_EQ(values.m_kanjiTableText, L"JIS1978年版");
    EXPECT_EQ(values.m_font1Text, L"標準");
    EXPECT_EQ(values.m_font2Text, L"標準");
    EXPECT_EQ(values.m_setPositionIndex, 0);
    EXPECT_EQ(values.m_postcardIndex, 0);

    SettingsBlock block = FactoryBlock();
    values.StoreFields(block);
    EXPECT_EQ(block, FactoryBlock());
    // The page writes its own 11 bytes and nothing else.
    SettingsBlock filled = Filled();
    values.StoreFields(filled);
    EXPECT_EQ(ChangedBytes(filled, Filled()), 11);
}

TEST(ParamValues, UnlistedCodesLeaveTheValuesAsTheyWere) {
    ParamValues values;
    values.m_font1Text = L"クーリエ";
    values.m_font2Text = L"OCR-B";
    values.m_kanjiTableText = L"JIS1983年版";
    values.m_postcardIndex = 1;
    values.m_setPositionIndex = 1;
    const ParamValues before = values;

    SettingsBlock block = FactoryBlock();
    Put(block, layout::font1, "7");
    Put(block, layout::font2, "x");
    Put(block, layout::kanjiCodeTable, "3");
    Put(block, layout::postcardMode, "2");
    Put(block, layout::paperSetPosition, "A");
    Put(block, layout::headCenterCutSheet, "A0"); // read without a check
    values.LoadFields(block);
    EXPECT_EQ(values.m_font1Text, before.m_font1Text);
    EXPECT_EQ(values.m_font2Text, before.m_font2Text);
    EXPECT_EQ(values.m_kanjiTableText, before.m_kanjiTableText);
    EXPECT_EQ(values.m_postcardIndex, 1);
    EXPECT_EQ(values.m_setPositionIndex, 1);
    EXPECT_EQ(values.m_headCenterCutSheet, 170);

    // Stored again, every numeric position holds a digit.
    values.StoreFields(block);
    EXPECT_EQ(Get(block, layout::headCenterCutSheet), "99");
}

TEST(ParamValues, UnmatchedTextsAndUncheckedGroupsStoreZero) {
    ParamValues values;
    values.m_font1Text = L"";           // no selection
    values.m_font2Text = L"ゴシック体"; // begins with an entry but equals none
    values.m_kanjiTableText = L"JIS1990";
    values.m_postcardIndex = -1;
    values.m_setPositionIndex = -1;
    SettingsBlock block = Filled();
    values.StoreFields(block);
    for (Field field : {layout::font1, layout::font2, layout::kanjiCodeTable, layout::postcardMode,
                        layout::paperSetPosition}) {
        EXPECT_EQ(Get(block, field), "0") << "offset " << field.offset;
    }
    values.m_font2Text = L"ゴシック";
    values.m_kanjiTableText = L"JIS1990年版";
    values.StoreFields(block);
    EXPECT_EQ(Get(block, layout::font2), "3");
    EXPECT_EQ(Get(block, layout::kanjiCodeTable), "2");
}

TEST(Param2Values, FactoryBlockShowsTheFactoryValuesAndStoresBackUnchanged) {
    Param2Values values;
    values.LoadFields(FactoryBlock());
    EXPECT_EQ(values.m_lfPitchSheetGuideText, L"0");
    EXPECT_EQ(values.m_lfPitchSheetFeederText, L"0");
    EXPECT_EQ(values.m_lfPitchFrontTractorText, L"0");
    EXPECT_EQ(values.m_lfPitchRearTractorText, L"0");
    EXPECT_EQ(values.m_retryTimeText, L"１０秒");
    EXPECT_EQ(values.m_autoReturnText, L"８秒");
    EXPECT_EQ(values.m_feedTimeSeconds, 2);

    SettingsBlock block = FactoryBlock();
    values.StoreFields(block);
    EXPECT_EQ(block, FactoryBlock());
    // The page writes its own 13 bytes and nothing else.
    SettingsBlock filled = Filled();
    values.StoreFields(filled);
    EXPECT_EQ(ChangedBytes(filled, Filled()), 13);
}

TEST(Param2Values, UnlistedCodesAndUndecodablePitchesLeaveTheTextsAsTheyWere) {
    Param2Values values;
    values.m_autoReturnText = L"１５秒";
    values.m_retryTimeText = L"再実行なし";
    values.m_lfPitchSheetGuideText = L"+3";
    SettingsBlock block = FactoryBlock();
    Put(block, layout::autoReturnTime, "10");
    Put(block, layout::thicknessRetryTime, "08");
    Put(block, layout::lfPitchSheetGuide, "X1");
    Put(block, layout::sheetGuideFeedTime, "9"); // taken without a range check
    values.LoadFields(block);
    EXPECT_EQ(values.m_autoReturnText, L"１５秒");
    EXPECT_EQ(values.m_retryTimeText, L"再実行なし");
    EXPECT_EQ(values.m_lfPitchSheetGuideText, L"+3");
    EXPECT_EQ(values.m_feedTimeSeconds, 9);

    values.StoreFields(block);
    EXPECT_EQ(Get(block, layout::autoReturnTime), "15");
    EXPECT_EQ(Get(block, layout::thicknessRetryTime), "07");
    EXPECT_EQ(Get(block, layout::lfPitchSheetGuide), "03");
    EXPECT_EQ(Get(block, layout::sheetGuideFeedTime), "9");
}

TEST(Param2Values, UnmatchedTextsStoreTheFactoryCodes) {
    Param2Values values;
    values.m_autoReturnText = L"１０秒";
    values.m_retryTimeText = L"";
    values.m_feedTimeSeconds = 12;         // no single digit: still a digit in the block
    values.m_lfPitchRearTractorText = L""; // no selection
    SettingsBlock block = Filled();
    values.StoreFields(block);
    EXPECT_EQ(Get(block, layout::lfPitchRearTractor), "00");
    EXPECT_EQ(Get(block, layout::autoReturnTime), "08");
    EXPECT_EQ(Get(block, layout::thicknessRetryTime), "02");
    EXPECT_EQ(Get(block, layout::sheetGuideFeedTime), "9");
}

} // namespace

// All seven pages' values and the four form records against the hand-written
// golden block: storing them gives exactly its bytes, loading it gives them
// back. A field written at its neighbour's place fails here even where the
// layout constants and the code agree with each other. Then every entry of
// every list, both ways, against the codes of the field table.

#include "GoldenBlock.h"

#include "pages/MemorySwitches.h"
#include "pages/ParamValues.h"
#include "pages/SelectFields.h"
#include "settings/FieldCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <tuple>

namespace {

// The portable values of every page, loaded and stored as the main window
// does with its pages.
struct PageValues {
    SelectValues select;
    ParamValues param;
    Param2Values param2;
    Msw1Switches msw1;
    Msw2Switches msw2;
    Msw3Switches msw3;
    Msw4Switches msw4;
    std::array<FormValues, 4> forms{};

    void Load(const SettingsBlock& block) {
        select.LoadFields(block);
        param.LoadFields(block);
        param2.LoadFields(block);
        msw1.Load(block);
        msw2.Load(block);
        msw3.Load(block);
        msw4.Load(block);
        for (int form = 0; form < 4; ++form) {
            forms[form] = DecodeForm(ReadFormRecord(block, form));
        }
    }
    void Store(SettingsBlock& block) {
        select.StoreFields(block);
        param.StoreFields(block);
        param2.StoreFields(block);
        msw1.Store(block);
        msw2.Store(block);
        msw3.Store(block);
        msw4.Store(block);
        for (int form = 0; form < 4; ++form) {
            FormRecord record = ReadFormRecord(block, form);
            EncodeForm(record, forms[form]);
            WriteFormRecord(block, form, record);
        }
    }
};

// The values that GoldenBlock.h lists, field by field.
PageValues GoldenValues() {
    PageValues v;
    v.select.m_pressureText = L"-3";
    v.select.m_thicknessText = L"4";
    v.select.m_reduceText = L"２／３縮小（中央基準）";
    v.select.m_typefaceIndex = 1;
    v.select.m_formText = L"書式２";
    v.select.m_hopperIndex = 1;
    v.param.m_font1Text = L"クーリエ";
    v.param.m_font2Text = L"OCR-B";
    v.param.m_kanjiTableText = L"JIS1983年版";
    v.param.m_headCenterCutSheet = 23;
    v.param.m_headCenterFrontTractor = 51;
    v.param.m_headCenterRearTractor = 37;
    v.param.m_postcardIndex = 1;
    v.param.m_setPositionIndex = 0;
    v.param2.m_feedTimeSeconds = 4;
    v.param2.m_autoReturnText = L"１５秒";
    v.param2.m_retryTimeText = L"３００秒";
    v.param2.m_lfPitchFrontTractorText = L"+3";
    v.param2.m_lfPitchRearTractorText = L"-2";
    v.param2.m_lfPitchSheetGuideText = L"+1";
    v.param2.m_lfPitchSheetFeederText = L"-5";
    v.msw1.m_countryText = L"イギリス";
    v.msw1.m_msw1_4 = 1, v.msw1.m_msw1_5 = 1, v.msw1.m_msw1_6 = 0;
    v.msw1.m_msw1_7 = 1, v.msw1.m_msw1_8 = 0;
    v.msw2.m_switches[3] = true; // MSW2-4, carried from the last load
    v.msw2.m_msw2_1 = 1, v.msw2.m_msw2_2 = 0, v.msw2.m_msw2_3 = 1;
    v.msw2.m_msw2_5 = 0, v.msw2.m_msw2_6 = 1, v.msw2.m_msw2_7 = 1, v.msw2.m_msw2_8 = 0;
    v.msw3.m_switches[0] = v.msw3.m_switches[5] = true; // MSW3-1 and MSW3-6, carried
    v.msw3.m_msw3_2 = 1, v.msw3.m_msw3_3 = 1, v.msw3.m_msw3_4 = 0;
    v.msw3.m_msw3_5 = 0, v.msw3.m_msw3_7 = 1, v.msw3.m_msw3_8 = 1;
    v.msw4.m_msw4_1 = 1, v.msw4.m_msw4_3 = 0, v.msw4.m_msw4_4 = 0;
    v.msw4.m_msw4_5 = 0, v.msw4.m_msw4_8 = 1;
    v.forms[0] = {7, 0, 136, {41, 42, 43, 44, 45}};
    v.forms[1] = {18, 11, 91, {61, 62, 63, 64, 65}};
    v.forms[2] = {29, 22, 98, {81, 82, 83, 84, 85}};
    v.forms[3] = {36, 33, 113, {101, 102, 103, 104, 105}};
    return v;
}

// Every shown value, for comparing two sets at once.
auto Shown(const PageValues& v) {
    const SelectValues& s = v.select;
    const ParamValues& p = v.param;
    const Param2Values& q = v.param2;
    std::string forms;
    for (const FormValues& f : v.forms) {
        char text[64];
        std::snprintf(text, sizeof text, "%d/%d/%d/%d/%d/%d/%d/%d ", f.pageLength, f.leftMargin,
                      f.rightMargin, f.feed[0], f.feed[1], f.feed[2], f.feed[3], f.feed[4]);
        forms += text;
    }
    return std::make_tuple(
        std::make_tuple(s.m_pressureText, s.m_thicknessText, s.m_reduceText, s.m_typefaceIndex,
                        s.m_formText, s.m_hopperIndex),
        std::make_tuple(p.m_font1Text, p.m_font2Text, p.m_kanjiTableText, p.m_headCenterCutSheet,
                        p.m_headCenterFrontTractor, p.m_headCenterRearTractor, p.m_postcardIndex,
                        p.m_setPositionIndex),
        std::make_tuple(q.m_feedTimeSeconds, q.m_autoReturnText, q.m_retryTimeText,
                        q.m_lfPitchFrontTractorText, q.m_lfPitchRearTractorText,
                        q.m_lfPitchSheetGuideText, q.m_lfPitchSheetFeederText),
        std::make_tuple(v.msw1.m_countryText, v.msw1.m_msw1_4, v.msw1.m_msw1_5, v.msw1.m_msw1_6,
                        v.msw1.m_msw1_7, v.msw1.m_msw1_8),
        std::make_tuple(v.msw2.m_msw2_1, v.msw2.m_msw2_2, v.msw2.m_msw2_3, v.msw2.m_msw2_5,
                        v.msw2.m_msw2_6, v.msw2.m_msw2_7, v.msw2.m_msw2_8),
        std::make_tuple(v.msw3.m_msw3_2, v.msw3.m_msw3_3, v.msw3.m_msw3_4, v.msw3.m_msw3_5,
                        v.msw3.m_msw3_7, v.msw3.m_msw3_8),
        std::make_tuple(v.msw4.m_msw4_1, v.msw4.m_msw4_3, v.msw4.m_msw4_4, v.msw4.m_msw4_5,
                        v.msw4.m_msw4_8),
        forms);
}

// The offsets at which two blocks differ, with both bytes, for a readable failure.
std::string Differences(const SettingsBlock& actual, const SettingsBlock& expected) {
    std::string text;
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        if (actual.bytes[i] != expected.bytes[i]) {
            char line[48];
            std::snprintf(line, sizeof line, "offset %zu: %02X, expected %02X\n", i,
                          actual.bytes[i], expected.bytes[i]);
            text += line;
        }
    }
    return text;
}

TEST(GoldenBlock, PageValuesStoreIntoTheFactoryBlockAsTheGoldenBytes) {
    SettingsBlock block = FactoryBlock();
    PageValues values = GoldenValues();
    values.Store(block);
    EXPECT_EQ(Differences(block, GoldenBlock()), "");
}

TEST(GoldenBlock, LoadsAsThePageValuesAndStoresBackUnchanged) {
    // Every value something else first, so that a field left unread shows.
    PageValues values;
    values.Load(FactoryBlock());
    values.param.m_setPositionIndex = -1; // the one field whose golden value is the factory's
    values.Load(GoldenBlock());
    EXPECT_EQ(Shown(values), Shown(GoldenValues()));

    // Stored into the factory block, the carried switches come from the load.
    SettingsBlock block = FactoryBlock();
    values.Store(block);
    EXPECT_EQ(Differences(block, GoldenBlock()), "");
}

// A field shown by a list or a radio group, and the page value that shows it.
template <class Value> struct ListField {
    std::size_t offset;
    std::size_t length;
    Value& (*value)(PageValues&);
};
template <class Value> struct Entry {
    const char* code; // the field's bytes
    Value shown;      // the list entry, or the index of the radio button
};

std::wstring Unlike(const std::wstring&) {
    return L"?";
}
int Unlike(int) {
    return 9;
}

// Each entry loads from its code and stores as its code, in every field that
// uses the list. Loading starts from another value, storing from a field that
// holds no code, so a field that is skipped either way fails.
template <class Value>
void ExpectEveryEntryBothWays(std::initializer_list<ListField<Value>> fields,
                              std::initializer_list<Entry<Value>> entries) {
    for (const ListField<Value>& field : fields) {
        for (const Entry<Value>& entry : entries) {
            SettingsBlock coded = FactoryBlock();
            std::copy_n(entry.code, field.length, coded.bytes.begin() + field.offset);
            PageValues values;
            values.Load(FactoryBlock());
            field.value(values) = Unlike(entry.shown);
            values.Load(coded);
            EXPECT_EQ(field.value(values), entry.shown)
                << "offset " << field.offset << " loads " << entry.code;

            SettingsBlock stored = FactoryBlock();
            std::fill_n(stored.bytes.begin() + field.offset, field.length, 'Z');
            values.Store(stored);
            EXPECT_EQ(Differences(stored, coded), "")
                << "offset " << field.offset << " stores " << entry.code;
        }
    }
}

// The value accessors of the table below.
#define VALUE(type, member) [](PageValues& v) -> type& { return v.member; }

// One call per list: the fields that use it, then each entry's code and text.
// clang-format off
TEST(ListEntries, EveryEntryOfEveryListLoadsAndStoresItsCode) {
    using Text = std::wstring;
    ExpectEveryEntryBothWays<Text>({{4, 1, VALUE(Text, msw1.m_countryText)}},
        {{"\0", L"日本"}, {"\x02", L"アメリカ"}, {"\x03", L"イギリス"}, {"\x04", L"ドイツ"},
         {"\x05", L"スウェーデン"}});
    ExpectEveryEntryBothWays<Text>(
        {{16, 1, VALUE(Text, param.m_font1Text)}, {18, 1, VALUE(Text, param.m_font2Text)}},
        {{"0", L"標準"}, {"1", L"イタリック"}, {"2", L"クーリエ"}, {"3", L"ゴシック"}, {"4", L"OCR-B"}});
    ExpectEveryEntryBothWays<Text>({{20, 1, VALUE(Text, param.m_kanjiTableText)}},
        {{"0", L"JIS1978年版"}, {"1", L"JIS1983年版"}, {"2", L"JIS1990年版"}});
    ExpectEveryEntryBothWays<Text>({{62, 1, VALUE(Text, select.m_reduceText)}},
        {{"0", L"縮小なし"}, {"1", L"２／３縮小（左基準）"}, {"3", L"２／３縮小（中央基準）"},
         {"5", L"４／５縮小（左基準）"}, {"7", L"４／５縮小（中央基準）"}});
    ExpectEveryEntryBothWays<Text>({{64, 2, VALUE(Text, select.m_thicknessText)}},
        {{"00", L"オート"}, {"01", L"1"}, {"02", L"2"}, {"03", L"3"}, {"04", L"4"}, {"05", L"5"}});
    ExpectEveryEntryBothWays<Text>({{67, 2, VALUE(Text, select.m_pressureText)}},
        {{"FA", L"-6"}, {"FB", L"-5"}, {"FC", L"-4"}, {"FD", L"-3"}, {"FE", L"-2"}, {"FF", L"-1"},
         {"00", L"0"}, {"01", L"+1"}, {"02", L"+2"}, {"03", L"+3"}});
    ExpectEveryEntryBothWays<Text>({{170, 2, VALUE(Text, param2.m_retryTimeText)}},
        {{"00", L"０秒"}, {"01", L"５秒"}, {"02", L"１０秒"}, {"03", L"６０秒"}, {"04", L"１８０秒"},
         {"05", L"３００秒"}, {"06", L"８１０秒"}, {"07", L"再実行なし"}});
    ExpectEveryEntryBothWays<Text>({{165, 2, VALUE(Text, param2.m_autoReturnText)}},
        {{"00", L"自動戻り無し"}, {"08", L"８秒"}, {"15", L"１５秒"}});
    ExpectEveryEntryBothWays<Text>(
        {{173, 2, VALUE(Text, param2.m_lfPitchFrontTractorText)},
         {176, 2, VALUE(Text, param2.m_lfPitchRearTractorText)},
         {179, 2, VALUE(Text, param2.m_lfPitchSheetGuideText)},
         {182, 2, VALUE(Text, param2.m_lfPitchSheetFeederText)}},
        {{"FB", L"-5"}, {"FC", L"-4"}, {"FD", L"-3"}, {"FE", L"-2"}, {"FF", L"-1"}, {"00", L"0"},
         {"01", L"+1"}, {"02", L"+2"}, {"03", L"+3"}, {"04", L"+4"}, {"05", L"+5"}});
    ExpectEveryEntryBothWays<Text>({{70, 1, VALUE(Text, select.m_formText)}},
        {{"0", L"書式０"}, {"1", L"書式１"}, {"2", L"書式２"}, {"3", L"書式３"}});
    // Radio groups: the index of the checked button.
    ExpectEveryEntryBothWays<int>({{58, 1, VALUE(int, select.m_hopperIndex)}},
        {{"1", 0}, {"2", 1}});
    ExpectEveryEntryBothWays<int>(
        {{60, 1, VALUE(int, select.m_typefaceIndex)}, {22, 1, VALUE(int, param.m_postcardIndex)},
         {24, 1, VALUE(int, param.m_setPositionIndex)}},
        {{"0", 0}, {"1", 1}});
}
// clang-format on

#undef VALUE

} // namespace

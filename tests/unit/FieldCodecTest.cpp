#include "settings/FieldCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Pair(const SettingsBlock& block, std::size_t offset) {
    return std::string(block.bytes.begin() + offset, block.bytes.begin() + offset + 2);
}

void Put(SettingsBlock& block, std::size_t offset, const char* text) {
    for (std::size_t i = 0; text[i] != '\0'; ++i) {
        block.bytes[offset + i] = static_cast<std::uint8_t>(text[i]);
    }
}

TEST(SwitchBank, MapsEachSwitchToItsBitAndClearsTheUpperBits) {
    SettingsBlock block = FactoryBlock();
    block.bytes[10] = 0xF5; // MSW3-1 and MSW3-3 with garbage in bits 4-7
    block.bytes[11] = 0xA8; // MSW3-8 with garbage
    const SwitchBits bits = ReadSwitchBank(block, 2);
    EXPECT_EQ(bits, (SwitchBits{true, false, true, false, false, false, false, true}));

    WriteSwitchBank(block, 2, bits);
    EXPECT_EQ(block.bytes[10], 0x05);
    EXPECT_EQ(block.bytes[11], 0x08);

    for (int bank = 0; bank < 4; ++bank) {
        for (int sw = 0; sw < 8; ++sw) {
            SettingsBlock b = FactoryBlock();
            SwitchBits one{};
            one[sw] = true;
            WriteSwitchBank(b, bank, one);
            const std::size_t offset = layout::kBankOffset[bank] + (sw < 4 ? 0 : 1);
            EXPECT_EQ(b.bytes[offset], 1 << (sw % 4)) << "MSW" << bank + 1 << "-" << sw + 1;
            EXPECT_EQ(ReadSwitchBank(b, bank), one);
        }
    }
}

TEST(CountryCode, CodesWithoutAnEntryShowJapanAndStoreAsZero) {
    EXPECT_STREQ(CountryNameFromCode(0), L"日本");
    EXPECT_STREQ(CountryNameFromCode(2), L"アメリカ");
    EXPECT_STREQ(CountryNameFromCode(5), L"スウェーデン");
    for (int code : {1, 6, 7}) {
        EXPECT_EQ(CountryCodeFromName(CountryNameFromCode(code)), 0) << code;
    }
    for (int code : {0, 2, 3, 4, 5}) {
        EXPECT_EQ(CountryCodeFromName(CountryNameFromCode(code)), code);
    }
    EXPECT_EQ(CountryCodeFromName(L""), 0);
    EXPECT_EQ(CountryCodeFromName(L"アメリカ "), 0); // compared exactly
}

TEST(Decimal, ReadsWithoutCheckAndAlwaysWritesDigits) {
    SettingsBlock block = FactoryBlock();
    EXPECT_EQ(ReadDecimal(block, layout::headCenterCutSheet), 40);
    Put(block, 26, "A0"); // 0x41 - 0x30 = 17 tens
    EXPECT_EQ(ReadDecimal(block, layout::headCenterCutSheet), 170);

    struct Case {
        Field field;
        int value;
        const char* text;
    };
    const Case cases[] = {
        {layout::headCenterCutSheet, 7, "07"},
        {layout::headCenterCutSheet, 68, "68"},
        {layout::headCenterCutSheet, 170, "99"},
        {layout::headCenterCutSheet, -3, "00"},
        {layout::sheetGuideFeedTime, 12, "9"},
        {layout::sheetGuideFeedTime, -1, "0"},
        {Field{72 + 3, 3}, 5, "005"},
        {Field{72 + 3, 3}, 1000, "999"},
    };
    for (const Case& c : cases) {
        WriteDecimal(block, c.field, c.value);
        EXPECT_EQ(std::string(block.bytes.begin() + c.field.offset,
                              block.bytes.begin() + c.field.offset + c.field.length),
                  c.text)
            << c.value;
    }
}

TEST(Digit, CodeOnlyForDigitsPlainReadForAnything) {
    SettingsBlock block = FactoryBlock();
    Put(block, 60, "1");
    EXPECT_EQ(ReadDigit(block, 60), 1);
    EXPECT_EQ(ReadDigitCode(block, 60), 1);
    Put(block, 60, "x");
    EXPECT_EQ(ReadDigit(block, 60), 'x' - '0');
    EXPECT_EQ(ReadDigitCode(block, 60), std::nullopt);
}

TEST(SignedHex, OtherFirstCharactersLeaveTheFieldUnreadAndWritesStayHex) {
    SettingsBlock block = FactoryBlock();
    for (const char* text : {"10", "f0", "A5", ",0", "\0\0"}) {
        block.bytes[67] = static_cast<std::uint8_t>(text[0]);
        block.bytes[68] = static_cast<std::uint8_t>(text[1]);
        EXPECT_EQ(ReadSignedHex(block, 67), std::nullopt) << text;
    }
    WriteSignedHex(block, 67, -40);
    EXPECT_EQ(Pair(block, 67), "FA");
    WriteSignedHex(block, 67, 42);
    EXPECT_EQ(Pair(block, 67), "09");
}

TEST(SignedText, FormatsAndReadsTheListTexts) {
    EXPECT_EQ(FormatSignedValue(-3), L"-3");
    EXPECT_EQ(FormatSignedValue(0), L"0");
    EXPECT_EQ(FormatSignedValue(2), L"+2");
    EXPECT_EQ(LeadingInteger(L"+2"), 2);
    EXPECT_EQ(LeadingInteger(L"-6"), -6);
    EXPECT_EQ(LeadingInteger(L" 12abc"), 12);
    EXPECT_EQ(LeadingInteger(L"オート"), 0);
    EXPECT_EQ(LeadingInteger(L""), 0);
    EXPECT_EQ(LeadingInteger(L"99999999999999999999"), 2147483647);
    EXPECT_EQ(LeadingInteger(L"-99999999999999999999"), -2147483647 - 1);
}

TEST(FormRecord, RoundTripsAndKeepsTheSeparators) {
    SettingsBlock block = FactoryBlock();
    Put(block, 72, "12;345;678;901;234;567;890;123"); // odd separators must survive

    FormRecord record = ReadFormRecord(block, 1);
    FormValues v = DecodeForm(record);
    EXPECT_EQ(v.pageLength, 12);
    EXPECT_EQ(v.leftMargin, 345);
    EXPECT_EQ(v.rightMargin, 678);
    EXPECT_EQ(v.feed, (std::array<int, kFeedCount>{901, 234, 567, 890, 123}));

    v.pageLength = 5;
    v.leftMargin = 1000; // more digits than the field: the largest it holds
    v.feed[4] = 40;
    EncodeForm(record, v);
    WriteFormRecord(block, 1, record);
    EXPECT_EQ(std::string(block.bytes.begin() + 72, block.bytes.begin() + 102),
              "05;999;678;901;234;567;890;040");
    EXPECT_EQ(block.bytes[71], ',');
    EXPECT_EQ(block.bytes[102], ',');
}

TEST(FormRecord, FormZeroHasNoMarginsAndStaysInItsTwentyTwoBytes) {
    SettingsBlock block = FactoryBlock();
    FormRecord record = ReadFormRecord(block, 0);
    EXPECT_EQ(record.size, 22u);
    FormValues v = DecodeForm(record);
    v.leftMargin = 10; // not stored for form 0
    v.rightMargin = 20;
    v.pageLength = 99;
    v.feed = {40, 41, 42, 43, 132};
    EncodeForm(record, v);
    WriteFormRecord(block, 0, record);
    EXPECT_EQ(std::string(block.bytes.begin() + 35, block.bytes.begin() + 57),
              "99,040,041,042,043,132");
    EXPECT_EQ(block.bytes[57], ',');
    EXPECT_EQ(block.bytes[58], '1');
    const FormValues back = DecodeForm(ReadFormRecord(block, 0));
    EXPECT_EQ(back.leftMargin, 0);
    EXPECT_EQ(back.rightMargin, 136);
}

} // namespace

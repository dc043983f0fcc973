#include "settings/FieldCodec.h"
#include "settings/SettingsBlock.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(const SettingsBlock& block, std::size_t from, std::size_t to) {
    return std::string(block.bytes.begin() + from, block.bytes.begin() + to);
}

TEST(FactoryBlock, HoldsTheFactoryCommandByteForByte) {
    const SettingsBlock& f = FactoryBlock();
    const std::uint8_t header[16] = {0x1C, 0x6F, 0x30, 0x2C, 0x00, 0x00, 0x2C, 0x02,
                                     0x00, 0x2C, 0x00, 0x00, 0x2C, 0x0C, 0x00, 0x2C};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(f.bytes[i], header[i]) << "offset " << i;
    }
    EXPECT_EQ(Text(f, 16, 185), "0,0,0,0,0,40,68,68,66,120,120,120,046,054,1,0,0,00,00,0,"
                                "66,000,136,120,120,120,046,054,66,000,136,120,120,120,046,054,"
                                "66,000,136,120,120,120,046,054,08,2,02,00,00,00,00.");
    for (std::size_t i = layout::kTrailingZeros; i < kBlockSize; ++i) {
        EXPECT_EQ(f.bytes[i], 0) << "offset " << i;
    }
}

TEST(FactoryBlock, FieldsDecodeToTheFactorySettings) {
    const SettingsBlock& f = FactoryBlock();
    for (std::size_t sep : layout::kSeparators) {
        EXPECT_EQ(f.bytes[sep], ',') << "offset " << sep;
    }
    EXPECT_EQ(f.bytes[layout::kTerminator], '.');
    EXPECT_EQ(ReadDecimal(f, layout::headCenterCutSheet), 40);
    EXPECT_EQ(ReadDecimal(f, layout::headCenterFrontTractor), 68);
    EXPECT_EQ(ReadDecimal(f, layout::headCenterRearTractor), 68);
    EXPECT_EQ(ReadDigit(f, layout::hopper.offset), 1);
    EXPECT_EQ(ReadDecimal(f, layout::autoReturnTime), 8);
    EXPECT_EQ(ReadDigit(f, layout::sheetGuideFeedTime.offset), 2);
    EXPECT_EQ(ReadDecimal(f, layout::thicknessRetryTime), 2);
    EXPECT_EQ(ReadSignedHex(f, layout::printPressureAdjust.offset), 0);
    EXPECT_EQ(ReadSignedHex(f, layout::lfPitchSheetFeeder.offset), 0);

    // MSW2-2, MSW4-3 and MSW4-4 are the only switches on at the factory.
    EXPECT_EQ(ReadSwitchBank(f, 1),
              (SwitchBits{false, true, false, false, false, false, false, false}));
    EXPECT_EQ(ReadSwitchBank(f, 3),
              (SwitchBits{false, false, true, true, false, false, false, false}));

    const FormValues form0 = DecodeForm(ReadFormRecord(f, 0));
    EXPECT_EQ(form0.pageLength, 66);
    EXPECT_EQ(form0.leftMargin, 0);
    EXPECT_EQ(form0.rightMargin, 136);
    EXPECT_EQ(form0.feed, (std::array<int, kFeedCount>{120, 120, 120, 46, 54}));
    for (int form = 1; form <= 3; ++form) {
        const FormValues v = DecodeForm(ReadFormRecord(f, form));
        EXPECT_EQ(v.pageLength, 66);
        EXPECT_EQ(v.rightMargin, 136);
        EXPECT_EQ(v.feed, form0.feed);
    }
}

TEST(SettingsBlock, ComparesEveryByte) {
    SettingsBlock a = FactoryBlock();
    SettingsBlock b = a;
    EXPECT_EQ(a, b);
    b.bytes[189] = 1; // a trailing byte counts as much as any other
    EXPECT_NE(a, b);
}

} // namespace

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

TEST(SettingsBlock, ComparesEveryByte) {
    SettingsBlock a = FactoryBlock();
    SettingsBlock b = a;
    EXPECT_EQ(a, b);
    b.bytes[189] = 1; // a trailing byte counts as much as any other
    EXPECT_NE(a, b);
}

} // namespace

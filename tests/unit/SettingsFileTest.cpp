#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

SettingsBlock SomeBlock() {
    SettingsBlock block = FactoryBlock();
    block.bytes[4] = 0x0A;
    block.bytes[189] = 0x7F;
    return block;
}

std::vector<std::uint8_t> FileOf(const SettingsBlock& block) {
    const SettingsFileImage image = BuildSettingsFile(block);
    return std::vector<std::uint8_t>(image.begin(), image.end());
}

TEST(SettingsFile, ImageIsSignatureThenBlock) {
    const std::vector<std::uint8_t> file = FileOf(SomeBlock());
    ASSERT_EQ(file.size(), 213u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 21), "Korrin Vellatype 44QX");
    EXPECT_EQ(file[21], 0);
    EXPECT_EQ(file[22], 0);
    EXPECT_TRUE(std::equal(file.begin() + 23, file.end(), SomeBlock().bytes.begin()));
}

TEST(SettingsFile, AcceptsWrittenLongerAndByte22ChangedFiles) {
    std::vector<std::uint8_t> file = FileOf(SomeBlock());
    EXPECT_EQ(ParseSettingsFile(file.data(), file.size()), SomeBlock());

    file[22] = 0x55; // written as 00 but never checked
    EXPECT_EQ(ParseSettingsFile(file.data(), file.size()), SomeBlock());

    file.resize(4096, 0xEE); // a longer file left by an earlier, bigger file
    EXPECT_EQ(ParseSettingsFile(file.data(), file.size()), SomeBlock());
}

TEST(SettingsFile, RejectsWrongSignaturesAndShortFiles) {
    const std::vector<std::uint8_t> good = FileOf(SomeBlock());

    std::vector<std::uint8_t> file = good;
    file[21] = ' '; // the name must be followed by 00
    EXPECT_EQ(ParseSettingsFile(file.data(), file.size()), std::nullopt);

    file = good;
    file[0] = 'k'; // compared case-sensitively
    EXPECT_EQ(ParseSettingsFile(file.data(), file.size()), std::nullopt);

    for (std::size_t size : {std::size_t{0}, std::size_t{22}, std::size_t{23}, std::size_t{212}}) {
        EXPECT_EQ(ParseSettingsFile(good.data(), size), std::nullopt) << size;
    }
    EXPECT_EQ(ParseSettingsFile(nullptr, 0), std::nullopt);
}

} // namespace

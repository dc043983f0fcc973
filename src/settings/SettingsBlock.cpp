#include "settings/SettingsBlock.h"

#include <cstring>

namespace {

SettingsBlock MakeFactoryBlock() {
    static const std::uint8_t kHeader[16] = {0x1C, 0x6F, 0x30, 0x2C, 0x00, 0x00, 0x2C, 0x02,
                                             0x00, 0x2C, 0x00, 0x00, 0x2C, 0x0C, 0x00, 0x2C};
    static const char kItems[] = "0,0,0,0,0,40,68,68,66,120,120,120,046,054,1,0,0,00,00,0,"
                                 "66,000,136,120,120,120,046,054,66,000,136,120,120,120,046,054,"
                                 "66,000,136,120,120,120,046,054,08,2,02,00,00,00,00.";
    static_assert(sizeof(kHeader) + sizeof(kItems) - 1 == layout::kTrailingZeros,
                  "the factory command must end right before the trailing zeros");

    SettingsBlock block; // value-initialised: the trailing five bytes are 00
    std::memcpy(block.bytes.data(), kHeader, sizeof(kHeader));
    std::memcpy(block.bytes.data() + sizeof(kHeader), kItems, sizeof(kItems) - 1);
    return block;
}

} // namespace

const SettingsBlock& FactoryBlock() {
    static const SettingsBlock factory = MakeFactoryBlock();
    return factory;
}

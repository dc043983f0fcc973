#include "settings/SettingsFile.h"

#include <cstring>

namespace {

constexpr std::size_t kCheckedSize = sizeof(kModelName); // the name and its terminating 00

} // namespace

SettingsFileImage BuildSettingsFile(const SettingsBlock& block) {
    SettingsFileImage image{};
    std::memcpy(image.data(), kModelName, kCheckedSize - 1);
    std::memcpy(image.data() + kSignatureSize, block.bytes.data(), kBlockSize);
    return image;
}

std::optional<SettingsBlock> ParseSettingsFile(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kSettingsFileSize ||
        std::memcmp(data, kModelName, kCheckedSize) != 0) {
        return std::nullopt;
    }
    SettingsBlock block;
    std::memcpy(block.bytes.data(), data + kSignatureSize, kBlockSize);
    return block;
}

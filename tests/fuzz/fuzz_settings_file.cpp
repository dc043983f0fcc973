// Any byte string as a settings file: the check never reads past the data, and
// what it accepts is exactly the signature followed by a whole block.
#include "settings/SettingsFile.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<SettingsBlock> block = ParseSettingsFile(data, size);
    if (!block) {
        return 0;
    }
    if (size < kSettingsFileSize || std::memcmp(data, kModelName, sizeof(kModelName)) != 0 ||
        std::memcmp(block->bytes.data(), data + kSignatureSize, kBlockSize) != 0) {
        std::abort();
    }
    // Writing the accepted block gives a file that reads back the same.
    const SettingsFileImage image = BuildSettingsFile(*block);
    if (ParseSettingsFile(image.data(), image.size()) != block) {
        std::abort();
    }
    return 0;
}

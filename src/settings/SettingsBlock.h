#pragma once
// The 190-byte setting command that the printer accepts: a 185-byte command
// (introducer, four switch banks, 51 comma-separated ASCII items, ".")
// followed by five 00 bytes. Settings files, spool jobs and the main window's
// copies all hold exactly these bytes.

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kBlockSize = 190;

struct SettingsBlock {
    std::array<std::uint8_t, kBlockSize> bytes{};

    bool operator==(const SettingsBlock& other) const { return bytes == other.bytes; }
    bool operator!=(const SettingsBlock& other) const { return bytes != other.bytes; }
};

// A span of bytes inside the block.
struct Field {
    std::size_t offset;
    std::size_t length;
};

namespace layout {

constexpr std::size_t kBankOffset[4] = {4, 7, 10, 13}; // MSW1..MSW4, two bytes each
constexpr std::size_t kTerminator = 184;               // the "." that ends the command
constexpr std::size_t kTrailingZeros = 185;            // five 00 bytes up to the end

constexpr Field font1{16, 1};
constexpr Field font2{18, 1};
constexpr Field kanjiCodeTable{20, 1};
constexpr Field postcardMode{22, 1};
constexpr Field paperSetPosition{24, 1};
constexpr Field headCenterCutSheet{26, 2};
constexpr Field headCenterFrontTractor{29, 2};
constexpr Field headCenterRearTractor{32, 2};
constexpr Field form0{35, 22};
constexpr Field hopper{58, 1};
constexpr Field typeface{60, 1};
constexpr Field reducedPrint{62, 1};
constexpr Field paperThickness{64, 2};
constexpr Field printPressureAdjust{67, 2};
constexpr Field formSelect{70, 1};
constexpr Field form1{72, 30};
constexpr Field form2{103, 30};
constexpr Field form3{134, 30};
constexpr Field autoReturnTime{165, 2};
constexpr Field sheetGuideFeedTime{168, 1};
constexpr Field thicknessRetryTime{170, 2};
constexpr Field lfPitchFrontTractor{173, 2};
constexpr Field lfPitchRearTractor{176, 2};
constexpr Field lfPitchSheetGuide{179, 2};
constexpr Field lfPitchSheetFeeder{182, 2};

constexpr Field forms[4] = {form0, form1, form2, form3};

// Every "," of the command: after the introducer, between the banks and
// between the text items. No page writes these.
constexpr std::size_t kSeparators[] = {3,   6,   9,   12,  15,  17,  19,  21,  23, 25,
                                       28,  31,  34,  57,  59,  61,  63,  66,  69, 71,
                                       102, 133, 164, 167, 169, 172, 175, 178, 181};

} // namespace layout

// The printer's factory settings.
const SettingsBlock& FactoryBlock();

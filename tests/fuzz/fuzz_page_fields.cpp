// Any 190 bytes loaded into the pages' values and stored back, as when a
// settings file is read and then collected: nothing crashes, every field the
// pages write holds digits (hex digits in the signed pairs), the switch bytes
// keep their upper bits clear, and the bytes no page writes stay as they were.
// Storing what was stored again changes nothing.
#include "pages/ParamValues.h"
#include "settingslist/SettingsCatalogue.h"
#include "settings/FieldCodec.h"

#include <cstdlib>
#include <cstring>

namespace {

bool IsDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void RequireDigits(const SettingsBlock& block, Field field) {
    for (std::size_t i = 0; i < field.length; ++i) {
        Require(IsDigit(block.bytes[field.offset + i]));
    }
}

void RequireSignedHex(const SettingsBlock& block, Field field) {
    const std::uint8_t first = block.bytes[field.offset];
    const std::uint8_t second = block.bytes[field.offset + 1];
    Require(first == '0' ? IsDigit(second) : first == 'F' && second >= 'A' && second <= 'F');
}

bool InAnyForm(std::size_t offset) {
    for (const Field& form : layout::forms) {
        if (offset >= form.offset && offset < form.offset + form.length) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kBlockSize) {
        return 0;
    }
    SettingsBlock loaded;
    std::memcpy(loaded.bytes.data(), data, kBlockSize);

    // Shown over the factory block, as the program shows it first, and collected again.
    const SettingsBlock stored = CollectedBlock(loaded);

    // Bytes no page writes: the introducer, separators, terminator, trailing
    // zeros, and the form records, which travel byte for byte.
    for (std::size_t i = 0; i < 4; ++i) {
        Require(stored.bytes[i] == loaded.bytes[i]);
    }
    for (std::size_t separator : layout::kSeparators) {
        Require(stored.bytes[separator] == loaded.bytes[separator]);
    }
    for (std::size_t i = layout::kTerminator; i < kBlockSize; ++i) {
        Require(stored.bytes[i] == loaded.bytes[i]);
    }
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        if (InAnyForm(i)) {
            Require(stored.bytes[i] == loaded.bytes[i]);
        }
    }
    for (std::size_t bank : layout::kBankOffset) {
        Require(stored.bytes[bank] < 0x10 && stored.bytes[bank + 1] < 0x10);
    }
    for (const Field& field :
         {layout::font1, layout::font2, layout::kanjiCodeTable, layout::postcardMode,
          layout::paperSetPosition, layout::headCenterCutSheet, layout::headCenterFrontTractor,
          layout::headCenterRearTractor, layout::hopper, layout::typeface, layout::reducedPrint,
          layout::paperThickness, layout::formSelect, layout::autoReturnTime,
          layout::sheetGuideFeedTime, layout::thicknessRetryTime}) {
        RequireDigits(stored, field);
    }
    for (const Field& field :
         {layout::printPressureAdjust, layout::lfPitchFrontTractor, layout::lfPitchRearTractor,
          layout::lfPitchSheetGuide, layout::lfPitchSheetFeeder}) {
        RequireSignedHex(stored, field);
    }

    // A stored block shows and stores as itself.
    Require(CollectedBlock(stored) == stored);

    // The form dialog's OK: every number of a record becomes digits, separators stay.
    for (int form = 0; form < 4; ++form) {
        FormRecord record = ReadFormRecord(loaded, form);
        const FormRecord before = record;
        EncodeForm(record, DecodeForm(record));
        for (std::size_t i = 0; i < record.size; ++i) {
            const bool separator = i >= 2 && (i - 2) % 4 == 0; // "66,000,136,..."
            Require(separator ? record.bytes[i] == before.bytes[i] : IsDigit(record.bytes[i]));
        }
    }
    return 0;
}

#include "settings/FieldCodec.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr int kCountryCodes[kCountryCount] = {0, 2, 3, 4, 5}; // code of each list entry

std::uint8_t LowNibbleOf(const SwitchBits& bits, int first) {
    std::uint8_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (bits[first + i]) {
            value |= static_cast<std::uint8_t>(1u << i);
        }
    }
    return value;
}

// Largest number that fits in count decimal digits (count is at most 3 here).
int LargestDecimal(std::size_t count) {
    int largest = 1;
    for (std::size_t i = 0; i < count; ++i) {
        largest *= 10;
    }
    return largest - 1;
}

// Positions of the numbers inside a form group, relative to its start.
struct FormPositions {
    std::size_t pageLength;
    std::size_t leftMargin;
    std::size_t rightMargin;
    std::size_t feed[kFeedCount];
};

constexpr FormPositions kWithoutMargins{0, 0, 0, {3, 7, 11, 15, 19}};
constexpr FormPositions kWithMargins{0, 3, 7, {11, 15, 19, 23, 27}};

} // namespace

SwitchBits ReadSwitchBank(const SettingsBlock& block, int bank) {
    const std::size_t offset = layout::kBankOffset[bank];
    SwitchBits bits{};
    for (int i = 0; i < 4; ++i) {
        bits[i] = (block.bytes[offset] >> i) & 1;
        bits[4 + i] = (block.bytes[offset + 1] >> i) & 1;
    }
    return bits;
}

void WriteSwitchBank(SettingsBlock& block, int bank, const SwitchBits& bits) {
    const std::size_t offset = layout::kBankOffset[bank];
    block.bytes[offset] = LowNibbleOf(bits, 0);
    block.bytes[offset + 1] = LowNibbleOf(bits, 4);
}

const wchar_t* const kCountryNames[kCountryCount] = {L"日本", L"アメリカ", L"イギリス", L"ドイツ",
                                                     L"スウェーデン"};

const wchar_t* CountryNameFromCode(int code) {
    for (int entry = 0; entry < kCountryCount; ++entry) {
        if (kCountryCodes[entry] == code) {
            return kCountryNames[entry];
        }
    }
    return kCountryNames[0];
}

int CountryCodeFromName(const std::wstring& name) {
    for (int entry = 0; entry < kCountryCount; ++entry) {
        if (name == kCountryNames[entry]) {
            return kCountryCodes[entry];
        }
    }
    return 0;
}

int ReadDigit(const SettingsBlock& block, std::size_t offset) {
    return block.bytes[offset] - '0';
}

std::optional<int> ReadDigitCode(const SettingsBlock& block, std::size_t offset) {
    const std::uint8_t c = block.bytes[offset];
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return std::nullopt;
}

int ReadDecimal(const std::uint8_t* digits, std::size_t count) {
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value = value * 10 + (digits[i] - '0');
    }
    return value;
}

int ReadDecimal(const SettingsBlock& block, Field field) {
    return ReadDecimal(block.bytes.data() + field.offset, field.length);
}

void WriteDecimal(std::uint8_t* digits, std::size_t count, int value) {
    value = std::clamp(value, 0, LargestDecimal(count));
    for (std::size_t i = count; i-- > 0;) {
        digits[i] = static_cast<std::uint8_t>('0' + value % 10);
        value /= 10;
    }
}

void WriteDecimal(SettingsBlock& block, Field field, int value) {
    WriteDecimal(block.bytes.data() + field.offset, field.length, value);
}

std::optional<int> ReadSignedHex(const SettingsBlock& block, std::size_t offset) {
    const std::uint8_t first = block.bytes[offset];
    const std::uint8_t second = block.bytes[offset + 1];
    if (first == '0') {
        return second - '0';
    }
    if (first == 'F') {
        return second - 0x47;
    }
    return std::nullopt;
}

void WriteSignedHex(SettingsBlock& block, std::size_t offset, int value) {
    value = std::clamp(value, -6, 9);
    if (value >= 0) {
        block.bytes[offset] = '0';
        block.bytes[offset + 1] = static_cast<std::uint8_t>('0' + value);
    } else {
        block.bytes[offset] = 'F';
        block.bytes[offset + 1] = static_cast<std::uint8_t>(0x47 + value);
    }
}

std::wstring FormatSignedValue(int value) {
    return (value > 0 ? L"+" : L"") + std::to_wstring(value);
}

int LeadingInteger(const std::wstring& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = std::min<long long>(value * 10 + (text[i] - L'0'), 1LL + INT_MAX);
    }
    if (negative) {
        value = -value;
    }
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

FormRecord ReadFormRecord(const SettingsBlock& block, int form) {
    const Field field = layout::forms[form];
    FormRecord record;
    record.size = field.length;
    std::memcpy(record.bytes.data(), block.bytes.data() + field.offset, field.length);
    return record;
}

void WriteFormRecord(SettingsBlock& block, int form, const FormRecord& record) {
    const Field field = layout::forms[form];
    std::memcpy(block.bytes.data() + field.offset, record.bytes.data(),
                std::min(field.length, record.size));
}

FormValues DecodeForm(const FormRecord& record) {
    const std::uint8_t* b = record.bytes.data();
    FormValues values;
    if (record.HasMargins()) {
        values.leftMargin = ReadDecimal(b + kWithMargins.leftMargin, 3);
        values.rightMargin = ReadDecimal(b + kWithMargins.rightMargin, 3);
    }
    const FormPositions& at = record.HasMargins() ? kWithMargins : kWithoutMargins;
    values.pageLength = ReadDecimal(b + at.pageLength, 2);
    for (int i = 0; i < kFeedCount; ++i) {
        values.feed[i] = ReadDecimal(b + at.feed[i], 3);
    }
    return values;
}

void EncodeForm(FormRecord& record, const FormValues& values) {
    std::uint8_t* b = record.bytes.data();
    const FormPositions& at = record.HasMargins() ? kWithMargins : kWithoutMargins;
    WriteDecimal(b + at.pageLength, 2, values.pageLength);
    if (record.HasMargins()) {
        WriteDecimal(b + at.leftMargin, 3, values.leftMargin);
        WriteDecimal(b + at.rightMargin, 3, values.rightMargin);
    }
    for (int i = 0; i < kFeedCount; ++i) {
        WriteDecimal(b + at.feed[i], 3, values.feed[i]);
    }
}

#pragma once
// Conversions between the fields of a SettingsBlock and setting values.
//
// Reading takes the bytes as they are: a loaded block may hold anything, so a
// decimal with non-digit characters reads as whatever the character codes
// give. Writing always produces valid characters: every numeric position gets
// a digit "0" to "9", whatever value it is handed (see the clamps below), so
// a stored file or a spooled block never carries garbage forward.

#include "settings/SettingsBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// --- Memory switches -------------------------------------------------------

// Switches n-1 .. n-8 of one bank; index 0 is switch n-1.
using SwitchBits = std::array<bool, 8>;

// bank is 0..3 for MSW1..MSW4. Reads bits 0-3 of both bytes.
SwitchBits ReadSwitchBank(const SettingsBlock& block, int bank);
// Rebuilds both bytes of the bank from scratch; bits 4-7 become 0.
void WriteSwitchBank(SettingsBlock& block, int bank, const SwitchBits& bits);

// MSW1-1/2/3 form a country code 0..7, shown as one of five list entries.
constexpr int kCountryCount = 5;
extern const wchar_t* const kCountryNames[kCountryCount]; // in list order

// Codes without an entry of their own (1, 6, 7) show the first one, "日本".
const wchar_t* CountryNameFromCode(int code);
// The code of a list text compared exactly; any other text (also the empty
// text of no selection) gives 0.
int CountryCodeFromName(const std::wstring& name);

// --- Digits and decimals ---------------------------------------------------

// One character read as a number: its code minus '0', without any check.
int ReadDigit(const SettingsBlock& block, std::size_t offset);
// The character if it is a digit "0".."9", otherwise nothing: for fields
// whose value is one of a few listed codes.
std::optional<int> ReadDigitCode(const SettingsBlock& block, std::size_t offset);

// Zero-padded decimal of field.length digits, read without a check.
int ReadDecimal(const SettingsBlock& block, Field field);
int ReadDecimal(const std::uint8_t* digits, std::size_t count);

// Writes a zero-padded decimal. Values below 0 are written as 0 and values
// above the largest number of that many digits (9, 99, 999) as that number.
void WriteDecimal(SettingsBlock& block, Field field, int value);
void WriteDecimal(std::uint8_t* digits, std::size_t count, int value);

// --- Signed hex pairs ------------------------------------------------------

// "0d" is the value d, "Fc" is c - 0x47 (so "FF" is -1 and "FA" is -6). Any
// other first character leaves the field unread.
std::optional<int> ReadSignedHex(const SettingsBlock& block, std::size_t offset);
// The value's 8-bit two's complement as two upper-case hex digits. The printer
// takes at most -6..+5; values are clamped to -6..9, the range in which this
// form yields two hex digits.
void WriteSignedHex(SettingsBlock& block, std::size_t offset, int value);

// Text of a signed value as the lists show it: "-3", "0", "+2".
std::wstring FormatSignedValue(int value);
// The integer at the start of a text, as a C library conversion reads it:
// optional blanks and sign, then digits; a text without one gives 0. Far too
// large numbers give the nearest int.
int LeadingInteger(const std::wstring& text);

// --- Form groups -------------------------------------------------------------

constexpr int kFeedCount = 5; // front tractor, rear tractor, sheet guide, sheet feeder, postcard

struct FormValues {
    int pageLength = 0;
    int leftMargin = 0;
    int rightMargin = 136;
    std::array<int, kFeedCount> feed{};
};

// The raw bytes of one form group: 22 bytes for form 0 (no margins), 30 for
// forms 1 to 3. Separators travel with it unchanged.
struct FormRecord {
    std::array<std::uint8_t, 30> bytes{};
    std::size_t size = 30;

    bool HasMargins() const { return size == 30; }
    bool operator==(const FormRecord& other) const {
        return size == other.size && bytes == other.bytes;
    }
};

// form is 0..3.
FormRecord ReadFormRecord(const SettingsBlock& block, int form);
void WriteFormRecord(SettingsBlock& block, int form, const FormRecord& record);

// Form 0 decodes with margins 0 and 136, which it does not store.
FormValues DecodeForm(const FormRecord& record);
// Writes the numbers into their positions and leaves the separators as they
// are; each number is clamped to its field's digits.
void EncodeForm(FormRecord& record, const FormValues& values);

#pragma once
// The fields of the function selection page and the texts its lists show.
//
// The page keeps each list's value as the entry's text. Each Load function
// reads one field of a settings block into the page's value and leaves the
// value as it was when the field holds no code that the list has; each Store
// function writes the value into its field and touches no other byte.

#include "settings/SettingsBlock.h"

#include <optional>
#include <string>

constexpr int kThicknessEntryCount = 6;
constexpr int kPressureEntryCount = 10;
constexpr int kReduceEntryCount = 5;
constexpr int kFormCount = 4;

// The lists' entries, in list order.
extern const wchar_t* const kThicknessEntries[kThicknessEntryCount]; // "オート", "1".."5"
extern const wchar_t* const kPressureEntries[kPressureEntryCount];   // "-6".."+3"
extern const wchar_t* const kReduceEntries[kReduceEntryCount];
extern const wchar_t* const kFormNames[kFormCount]; // "書式０".."書式３"

// The form number of a form name compared exactly; nothing for another text.
std::optional<int> FormNumber(const std::wstring& name);

// Print pressure: a signed hex pair shown as "-6", "0", "+3".
void LoadPressureText(const SettingsBlock& block, std::wstring& text);
void StorePressureText(SettingsBlock& block, const std::wstring& text);

// Paper thickness: 0 is "オート", any other value its number.
void LoadThicknessText(const SettingsBlock& block, std::wstring& text);
void StoreThicknessText(SettingsBlock& block, const std::wstring& text);

// Reduced printing: codes 0, 1, 3, 5, 7. A text that is no entry leaves the
// field as it was.
void LoadReduceText(const SettingsBlock& block, std::wstring& text);
void StoreReduceText(SettingsBlock& block, const std::wstring& text);

// Hopper: "1" is radio index 0, "2" index 1. Anything but index 1 stores "1".
void LoadHopperIndex(const SettingsBlock& block, int& index);
void StoreHopperIndex(SettingsBlock& block, int index);

// Typeface: the digit is the radio index, whatever it is. No button checked
// (index -1) stores "0".
void LoadTypefaceIndex(const SettingsBlock& block, int& index);
void StoreTypefaceIndex(SettingsBlock& block, int index);

// Selected form: "0".."3" are the form names; a text that is none stores "0".
void LoadFormText(const SettingsBlock& block, std::wstring& text);
void StoreFormText(SettingsBlock& block, const std::wstring& text);

// The page's values apart from the form records, loaded and stored together.
struct SelectValues {
    std::wstring m_pressureText;
    std::wstring m_thicknessText;
    std::wstring m_reduceText;
    int m_typefaceIndex = -1;
    std::wstring m_formText;
    int m_hopperIndex = -1;

    void LoadFields(const SettingsBlock& block);
    void StoreFields(SettingsBlock& block) const;
};

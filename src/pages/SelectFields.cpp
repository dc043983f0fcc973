#include "pages/SelectFields.h"

#include "settings/FieldCodec.h"

const wchar_t* const kThicknessEntries[kThicknessEntryCount] = {L"オート", L"1", L"2",
                                                                L"3",      L"4", L"5"};
const wchar_t* const kPressureEntries[kPressureEntryCount] = {L"-6", L"-5", L"-4", L"-3", L"-2",
                                                              L"-1", L"0",  L"+1", L"+2", L"+3"};
const wchar_t* const kReduceEntries[kReduceEntryCount] = {
    L"縮小なし", L"２／３縮小（左基準）", L"２／３縮小（中央基準）", L"４／５縮小（左基準）",
    L"４／５縮小（中央基準）"};
const wchar_t* const kFormNames[kFormCount] = {L"書式０", L"書式１", L"書式２", L"書式３"};

namespace {

constexpr int kReduceCodes[kReduceEntryCount] = {0, 1, 3, 5, 7};

} // namespace

std::optional<int> FormNumber(const std::wstring& name) {
    for (int form = 0; form < kFormCount; ++form) {
        if (name == kFormNames[form]) {
            return form;
        }
    }
    return std::nullopt;
}

void LoadPressureText(const SettingsBlock& block, std::wstring& text) {
    if (const auto value = ReadSignedHex(block, layout::printPressureAdjust.offset)) {
        text = FormatSignedValue(*value);
    }
}

void StorePressureText(SettingsBlock& block, const std::wstring& text) {
    WriteSignedHex(block, layout::printPressureAdjust.offset, LeadingInteger(text));
}

void LoadThicknessText(const SettingsBlock& block, std::wstring& text) {
    const int value = ReadDecimal(block, layout::paperThickness);
    text = value == 0 ? kThicknessEntries[0] : std::to_wstring(value);
}

void StoreThicknessText(SettingsBlock& block, const std::wstring& text) {
    WriteDecimal(block, layout::paperThickness, LeadingInteger(text));
}

void LoadReduceText(const SettingsBlock& block, std::wstring& text) {
    const auto code = ReadDigitCode(block, layout::reducedPrint.offset);
    for (int entry = 0; code && entry < kReduceEntryCount; ++entry) {
        if (kReduceCodes[entry] == *code) {
            text = kReduceEntries[entry];
        }
    }
}

void StoreReduceText(SettingsBlock& block, const std::wstring& text) {
    for (int entry = 0; entry < kReduceEntryCount; ++entry) {
        if (text == kReduceEntries[entry]) {
            WriteDecimal(block, layout::reducedPrint, kReduceCodes[entry]);
        }
    }
}

void LoadHopperIndex(const SettingsBlock& block, int& index) {
    const auto code = ReadDigitCode(block, layout::hopper.offset);
    if (code == 1 || code == 2) {
        index = *code - 1;
    }
}

void StoreHopperIndex(SettingsBlock& block, int index) {
    WriteDecimal(block, layout::hopper, index == 1 ? 2 : 1);
}

void LoadTypefaceIndex(const SettingsBlock& block, int& index) {
    index = ReadDigit(block, layout::typeface.offset);
}

void StoreTypefaceIndex(SettingsBlock& block, int index) {
    WriteDecimal(block, layout::typeface, index < 0 ? 0 : index);
}

void LoadFormText(const SettingsBlock& block, std::wstring& text) {
    const auto code = ReadDigitCode(block, layout::formSelect.offset);
    if (code && *code < kFormCount) {
        text = kFormNames[*code];
    }
}

void StoreFormText(SettingsBlock& block, const std::wstring& text) {
    WriteDecimal(block, layout::formSelect, FormNumber(text).value_or(0));
}

void SelectValues::LoadFields(const SettingsBlock& block) {
    LoadPressureText(block, m_pressureText);
    LoadThicknessText(block, m_thicknessText);
    LoadReduceText(block, m_reduceText);
    LoadHopperIndex(block, m_hopperIndex);
    LoadTypefaceIndex(block, m_typefaceIndex);
    LoadFormText(block, m_formText);
}

void SelectValues::StoreFields(SettingsBlock& block) const {
    StorePressureText(block, m_pressureText);
    StoreThicknessText(block, m_thicknessText);
    StoreReduceText(block, m_reduceText);
    StoreHopperIndex(block, m_hopperIndex);
    StoreTypefaceIndex(block, m_typefaceIndex);
    StoreFormText(block, m_formText);
}

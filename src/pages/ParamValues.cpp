#include "pages/ParamValues.h"

#include "settings/FieldCodec.h"

#include <optional>

namespace {

constexpr ListItem kFontItems[] = {
    {L"標準", 0}, {L"イタリック", 1}, {L"クーリエ", 2}, {L"ゴシック", 3}, {L"OCR-B", 4},
};
constexpr ListItem kKanjiTableItems[] = {
    {L"JIS1978年版", 0},
    {L"JIS1983年版", 1},
    {L"JIS1990年版", 2},
};
constexpr ListItem kLfPitchItems[] = {
    {L"-5", -5}, {L"-4", -4}, {L"-3", -3}, {L"-2", -2}, {L"-1", -1}, {L"0", 0},
    {L"+1", 1},  {L"+2", 2},  {L"+3", 3},  {L"+4", 4},  {L"+5", 5},
};
constexpr ListItem kRetryTimeItems[] = {
    {L"０秒", 0},     {L"５秒", 1},     {L"１０秒", 2},   {L"６０秒", 3},
    {L"１８０秒", 4}, {L"３００秒", 5}, {L"８１０秒", 6}, {L"再実行なし", 7},
};
constexpr ListItem kAutoReturnItems[] = {
    {L"自動戻り無し", 0},
    {L"８秒", 8},
    {L"１５秒", 15},
};

template <std::size_t N> constexpr ItemList ListOf(const ListItem (&items)[N]) {
    return {items, N};
}

// Takes the text of the entry for `code`, when there is a code and an entry.
void TakeEntry(const ItemList& list, std::optional<int> code, std::wstring& text) {
    if (!code) {
        return;
    }
    if (const wchar_t* entry = list.TextOf(*code)) {
        text = entry;
    }
}

// Radio groups of two buttons: "0" checks the first, "1" the second.
void TakeRadioIndex(std::optional<int> code, int& index) {
    if (code && (*code == 0 || *code == 1)) {
        index = *code;
    }
}

void TakeSignedText(std::optional<int> value, std::wstring& text) {
    if (value) {
        text = FormatSignedValue(*value);
    }
}

} // namespace

const ItemList kFontList = ListOf(kFontItems);
const ItemList kKanjiTableList = ListOf(kKanjiTableItems);
const ItemList kLfPitchList = ListOf(kLfPitchItems);
const ItemList kRetryTimeList = ListOf(kRetryTimeItems);
const ItemList kAutoReturnList = ListOf(kAutoReturnItems);

const wchar_t* ItemList::TextOf(int code) const {
    for (const ListItem& item : *this) {
        if (item.code == code) {
            return item.text;
        }
    }
    return nullptr;
}

int ItemList::CodeOf(const std::wstring& text, int otherwise) const {
    for (const ListItem& item : *this) {
        if (text == item.text) {
            return item.code;
        }
    }
    return otherwise;
}

void ParamValues::LoadFields(const SettingsBlock& block) {
    TakeEntry(kFontList, ReadDigitCode(block, layout::font1.offset), m_font1Text);
    TakeEntry(kFontList, ReadDigitCode(block, layout::font2.offset), m_font2Text);
    TakeEntry(kKanjiTableList, ReadDigitCode(block, layout::kanjiCodeTable.offset),
              m_kanjiTableText);
    m_headCenterCutSheet = ReadDecimal(block, layout::headCenterCutSheet);
    m_headCenterFrontTractor = ReadDecimal(block, layout::headCenterFrontTractor);
    m_headCenterRearTractor = ReadDecimal(block, layout::headCenterRearTractor);
    TakeRadioIndex(ReadDigitCode(block, layout::postcardMode.offset), m_postcardIndex);
    TakeRadioIndex(ReadDigitCode(block, layout::paperSetPosition.offset), m_setPositionIndex);
}

void ParamValues::StoreFields(SettingsBlock& block) const {
    WriteDecimal(block, layout::font1, kFontList.CodeOf(m_font1Text, 0));
    WriteDecimal(block, layout::font2, kFontList.CodeOf(m_font2Text, 0));
    WriteDecimal(block, layout::kanjiCodeTable, kKanjiTableList.CodeOf(m_kanjiTableText, 0));
    WriteDecimal(block, layout::headCenterCutSheet, m_headCenterCutSheet);
    WriteDecimal(block, layout::headCenterFrontTractor, m_headCenterFrontTractor);
    WriteDecimal(block, layout::headCenterRearTractor, m_headCenterRearTractor);
    WriteDecimal(block, layout::postcardMode, m_postcardIndex == 1 ? 1 : 0);
    WriteDecimal(block, layout::paperSetPosition, m_setPositionIndex == 1 ? 1 : 0);
}

void Param2Values::LoadFields(const SettingsBlock& block) {
    m_feedTimeSeconds = ReadDigit(block, layout::sheetGuideFeedTime.offset);
    TakeEntry(kAutoReturnList, ReadDecimal(block, layout::autoReturnTime), m_autoReturnText);
    TakeEntry(kRetryTimeList, ReadDecimal(block, layout::thicknessRetryTime), m_retryTimeText);
    TakeSignedText(ReadSignedHex(block, layout::lfPitchSheetGuide.offset), m_lfPitchSheetGuideText);
    TakeSignedText(ReadSignedHex(block, layout::lfPitchSheetFeeder.offset),
                   m_lfPitchSheetFeederText);
    TakeSignedText(ReadSignedHex(block, layout::lfPitchFrontTractor.offset),
                   m_lfPitchFrontTractorText);
    TakeSignedText(ReadSignedHex(block, layout::lfPitchRearTractor.offset),
                   m_lfPitchRearTractorText);
}

void Param2Values::StoreFields(SettingsBlock& block) const {
    WriteDecimal(block, layout::autoReturnTime, kAutoReturnList.CodeOf(m_autoReturnText, 8));
    WriteDecimal(block, layout::sheetGuideFeedTime, m_feedTimeSeconds);
    WriteDecimal(block, layout::thicknessRetryTime, kRetryTimeList.CodeOf(m_retryTimeText, 2));
    WriteSignedHex(block, layout::lfPitchSheetGuide.offset,
                   LeadingInteger(m_lfPitchSheetGuideText));
    WriteSignedHex(block, layout::lfPitchSheetFeeder.offset,
                   LeadingInteger(m_lfPitchSheetFeederText));
    WriteSignedHex(block, layout::lfPitchFrontTractor.offset,
                   LeadingInteger(m_lfPitchFrontTractorText));
    WriteSignedHex(block, layout::lfPitchRearTractor.offset,
                   LeadingInteger(m_lfPitchRearTractorText));
}

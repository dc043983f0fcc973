#pragma once
// The values that the two parameter pages show, and how they are read from and
// written to their fields of the settings block. The pages keep these values
// as their members and move them to and from their controls; the conversions
// themselves need no window. Portable: no windows.h.

#include "settings/SettingsBlock.h"

#include <cstddef>
#include <string>

// One entry of a drop-down list and the code it stands for in the block.
struct ListItem {
    const wchar_t* text;
    int code;
};

// The entries of a drop-down list, in the order the list shows them.
struct ItemList {
    const ListItem* items;
    std::size_t count;

    const ListItem* begin() const { return items; }
    const ListItem* end() const { return items + count; }
    // The text of the entry for `code`, or null when no entry has it.
    const wchar_t* TextOf(int code) const;
    // The code of the first entry equal to `text`, `otherwise` when none is.
    int CodeOf(const std::wstring& text, int otherwise) const;
};

extern const ItemList kFontList;       // fonts 1 and 2: "標準" 0 ... "OCR-B" 4
extern const ItemList kKanjiTableList; // "JIS1978年版" 0 ... "JIS1990年版" 2
extern const ItemList kLfPitchList;    // "-5" ... "0" ... "+5"
extern const ItemList kRetryTimeList;  // "０秒" 0 ... "再実行なし" 7
extern const ItemList kAutoReturnList; // "自動戻り無し" 0, "８秒" 8, "１５秒" 15

// Parameter page 1: fonts, kanji code table, head centring, paper set position
// and postcard mode.
struct ParamValues {
    std::wstring m_font1Text;
    std::wstring m_font2Text;
    std::wstring m_kanjiTableText;
    int m_headCenterFrontTractor = 0;
    int m_headCenterCutSheet = 0;
    int m_postcardIndex = 0; // 0 off, 1 on
    int m_headCenterRearTractor = 0;
    int m_setPositionIndex = 0; // 0 centre, 1 left

    // Codes that no entry or button stands for leave their value as it was;
    // the head-centring numbers are taken as they are.
    void LoadFields(const SettingsBlock& block);
    // Texts that match no entry are written as code 0.
    void StoreFields(SettingsBlock& block) const;
};

// Parameter page 2: line-feed pitch corrections, timers and the sheet-guide
// intake time.
struct Param2Values {
    int m_feedTimeSeconds = 0;
    std::wstring m_autoReturnText;
    std::wstring m_retryTimeText;
    std::wstring m_lfPitchSheetGuideText;
    std::wstring m_lfPitchSheetFeederText;
    std::wstring m_lfPitchFrontTractorText;
    std::wstring m_lfPitchRearTractorText;

    // Codes that no entry stands for and pitch fields that do not decode leave
    // their text as it was; the seconds are taken as they are.
    void LoadFields(const SettingsBlock& block);
    // An unmatched auto-return text is written as 8 seconds and an unmatched
    // re-run time as code 2, the factory values.
    void StoreFields(SettingsBlock& block) const;
};

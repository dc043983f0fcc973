#pragma once
// Every setting that the pages show, in one list: its page, its label and
// the text its control would show for a given block. The values come from
// the pages' own value logic (the memory switch and parameter values, the
// function selection fields, the form records), loaded from the block the
// way the pages load it; this file only names the controls and the texts of
// their choices, as the page templates spell them. Portable: no windows.h.
//
// Switches that no control shows (kept or always zero) are not listed.

#include "pages/MemorySwitches.h"
#include "pages/ParamValues.h"
#include "pages/SelectFields.h"
#include "settings/FieldCodec.h"

#include <array>
#include <string>
#include <vector>

constexpr int kTabCount = 7;
// The tab texts, in tab order: 機能選択, パラメータ設定１, パラメータ設定２, ＭＳＷ１ to ＭＳＷ４.
extern const wchar_t* const kTabTexts[kTabCount];

// What every page shows after loading one block into pages that show
// nothing yet: no list entry and no radio button chosen.
struct PageValues {
    explicit PageValues(const SettingsBlock& block);
    // Loads a block over the values shown; a field without a code the page
    // has leaves its value as it was.
    void Load(const SettingsBlock& block);
    // Writes the values of the pages' fields, as the pages store them; the
    // form records are left as they are.
    void Store(SettingsBlock& block);

    Msw1Switches msw1;
    Msw2Switches msw2;
    Msw3Switches msw3;
    Msw4Switches msw4;
    ParamValues param;
    Param2Values param2;
    SelectValues select;
    std::array<FormValues, kFormCount> forms;
};

enum class SettingKind {
    Choice, // two radio buttons: index 0 or 1
    Check,  // a check box: 0 or 1
    List,   // a drop-down list: the entry's text
    Number, // a number box: the number and its unit
};

// One control of a tab page. Texts are as the templates spell them, access
// keys included.
struct SettingEntry {
    int tab;
    SettingKind kind;
    const wchar_t* group; // the group box around the control when the label alone is unclear
    const wchar_t* label; // the control's label, group box or check box
    std::array<const wchar_t*, 2> choices;          // Choice: the buttons for 0 and 1
    const wchar_t* unit;                            // Number: the unit beside the box
    int (*number)(const PageValues&);               // Choice, Check, Number
    const std::wstring& (*text)(const PageValues&); // List
};

// One value of the form settings dialog, listed for each of the four forms.
struct FormEntry {
    const wchar_t* group; // "吸入位置" for the intake positions
    const wchar_t* label;
    const wchar_t* unit;
    bool margin; // form 0 stores no margins
    int (*number)(const FormValues&);
};

// The controls of the tab pages in tab order, and the values of one form.
const std::vector<SettingEntry>& SettingEntries();
const std::vector<FormEntry>& FormEntries();
extern const wchar_t* const kCheckedText; // a ticked check box
extern const wchar_t* const kUncheckedText;
extern const wchar_t* const kNotShownText; // a code that the control has no choice for

// A template text as the user reads it: without "(&X)" or "&", line breaks,
// surrounding blanks and a blank before "（".
std::wstring WithoutAccessKey(const wchar_t* text);

struct SettingRow {
    std::wstring page;
    std::wstring label;
    std::wstring value;
};

// One row per setting, in tab order; the forms follow the function
// selection page's own controls.
std::vector<SettingRow> DescribeSettings(const SettingsBlock& block);

struct ComparedRow {
    std::wstring page;
    std::wstring label;
    std::wstring value; // in `block`
    std::wstring other; // in the block compared with
    bool differs;
};

// The block that the main window sends after reading `block` at start: the
// block loaded into pages that show the factory settings, each list keeping
// its entry and each radio group losing its choice where the control has none
// for the value, then collected again. /send sends it and /report lists it.
SettingsBlock CollectedBlock(const SettingsBlock& block);

std::vector<ComparedRow> CompareSettings(const SettingsBlock& block, const SettingsBlock& other);

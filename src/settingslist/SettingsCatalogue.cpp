#include "settingslist/SettingsCatalogue.h"

#include <algorithm>

const wchar_t* const kTabTexts[kTabCount] = {
    L"機能選択", L"パラメータ設定１", L"パラメータ設定２", L"ＭＳＷ１",
    L"ＭＳＷ２", L"ＭＳＷ３",         L"ＭＳＷ４",
};

const wchar_t* const kCheckedText = L"チェックあり";
const wchar_t* const kUncheckedText = L"チェックなし";
const wchar_t* const kNotShownText = L"（設定範囲外の値）";

namespace {

enum Tab { kSelect, kParam, kParam2, kMsw1, kMsw2, kMsw3, kMsw4 };

using Number = int (*)(const PageValues&);
using Text = const std::wstring& (*)(const PageValues&);

SettingEntry Choice(int tab, const wchar_t* label, const wchar_t* off, const wchar_t* on,
                    Number index) {
    return {tab, SettingKind::Choice, nullptr, label, {off, on}, nullptr, index, nullptr};
}

SettingEntry Check(int tab, const wchar_t* label, Number state) {
    return {tab, SettingKind::Check, nullptr, label, {}, nullptr, state, nullptr};
}

SettingEntry List(int tab, const wchar_t* group, const wchar_t* label, Text text) {
    return {tab, SettingKind::List, group, label, {}, nullptr, nullptr, text};
}

SettingEntry Box(int tab, const wchar_t* group, const wchar_t* label, const wchar_t* unit,
                 Number number) {
    return {tab, SettingKind::Number, group, label, {}, unit, number, nullptr};
}

constexpr const wchar_t* kHeadCentering = L"用紙吸入時ヘッドセンタリング位置";
constexpr const wchar_t* kLfPitch = L"ＬＦピッチ補正";
constexpr const wchar_t* kIntake = L"吸入位置";

// A unit follows its number without a space, as in "１３６桁".
std::wstring NumberText(int number, const wchar_t* unit) {
    return std::to_wstring(number) + WithoutAccessKey(unit);
}

// A page's control inside a group box: "ＬＦピッチ補正（シートガイド）".
std::wstring PageLabel(const SettingEntry& entry) {
    const std::wstring label = WithoutAccessKey(entry.label);
    return entry.group ? WithoutAccessKey(entry.group) + L"（" + label + L"）" : label;
}

// A form's box: "書式０の用紙長", "書式０のフロントトラクタ吸入位置", the
// intake positions named as the form dialog's own messages name them.
std::wstring FormLabel(int form, const FormEntry& entry) {
    const std::wstring group = entry.group ? WithoutAccessKey(entry.group) : std::wstring();
    return std::wstring(kFormNames[form]) + L"の" + WithoutAccessKey(entry.label) + group;
}

std::wstring ValueText(const SettingEntry& entry, const PageValues& values) {
    switch (entry.kind) {
    case SettingKind::Choice: {
        const int index = entry.number(values);
        return index == 0 || index == 1 ? WithoutAccessKey(entry.choices[index]) : kNotShownText;
    }
    case SettingKind::Check:
        return entry.number(values) == 1 ? kCheckedText : kUncheckedText;
    case SettingKind::List: {
        const std::wstring& text = entry.text(values);
        return text.empty() ? kNotShownText : text;
    }
    case SettingKind::Number:
        break;
    }
    return NumberText(entry.number(values), entry.unit);
}

// A drop-down list selects the first entry that begins with the text; when
// none does, it keeps the entry it showed.
void AsListShows(std::wstring& text, const std::wstring& shown,
                 const std::vector<std::wstring>& entries) {
    const bool found = std::any_of(entries.begin(), entries.end(), [&](const std::wstring& entry) {
        return entry.compare(0, text.size(), text) == 0;
    });
    if (!found) {
        text = shown;
    }
}

std::vector<std::wstring> Entries(const ItemList& list) {
    std::vector<std::wstring> entries;
    for (const ListItem& item : list) {
        entries.emplace_back(item.text);
    }
    return entries;
}

template <std::size_t N> std::vector<std::wstring> Entries(const wchar_t* const (&texts)[N]) {
    return std::vector<std::wstring>(texts, texts + N);
}

// The values after the controls of pages that showed `shown` have shown `values`.
void AsControlsShow(PageValues& values, const PageValues& shown) {
    AsListShows(values.msw1.m_countryText, shown.msw1.m_countryText, Entries(kCountryNames));
    AsListShows(values.param.m_font1Text, shown.param.m_font1Text, Entries(kFontList));
    AsListShows(values.param.m_font2Text, shown.param.m_font2Text, Entries(kFontList));
    AsListShows(values.param.m_kanjiTableText, shown.param.m_kanjiTableText,
                Entries(kKanjiTableList));
    const std::vector<std::wstring> pitches = Entries(kLfPitchList);
    for (auto text :
         {&Param2Values::m_lfPitchSheetGuideText, &Param2Values::m_lfPitchSheetFeederText,
          &Param2Values::m_lfPitchFrontTractorText, &Param2Values::m_lfPitchRearTractorText}) {
        AsListShows(values.param2.*text, shown.param2.*text, pitches);
    }
    AsListShows(values.param2.m_retryTimeText, shown.param2.m_retryTimeText,
                Entries(kRetryTimeList));
    AsListShows(values.param2.m_autoReturnText, shown.param2.m_autoReturnText,
                Entries(kAutoReturnList));
    AsListShows(values.select.m_thicknessText, shown.select.m_thicknessText,
                Entries(kThicknessEntries));
    AsListShows(values.select.m_pressureText, shown.select.m_pressureText,
                Entries(kPressureEntries));
    AsListShows(values.select.m_reduceText, shown.select.m_reduceText, Entries(kReduceEntries));
    AsListShows(values.select.m_formText, shown.select.m_formText, Entries(kFormNames));
    // Two buttons: any other index checks none.
    if (values.select.m_typefaceIndex != 0 && values.select.m_typefaceIndex != 1) {
        values.select.m_typefaceIndex = -1;
    }
}

} // namespace

SettingsBlock CollectedBlock(const SettingsBlock& block) {
    const PageValues factory(FactoryBlock());
    PageValues values = factory;
    values.Load(block);
    AsControlsShow(values, factory);
    SettingsBlock collected = block;
    values.Store(collected);
    return collected;
}

PageValues::PageValues(const SettingsBlock& block) {
    param.m_postcardIndex = -1;
    param.m_setPositionIndex = -1;
    Load(block);
}

void PageValues::Load(const SettingsBlock& block) {
    msw1.Load(block);
    msw2.Load(block);
    msw3.Load(block);
    msw4.Load(block);
    param.LoadFields(block);
    param2.LoadFields(block);
    select.LoadFields(block);
    for (int form = 0; form < kFormCount; ++form) {
        forms[static_cast<std::size_t>(form)] = DecodeForm(ReadFormRecord(block, form));
    }
}

void PageValues::Store(SettingsBlock& block) {
    msw1.Store(block);
    msw2.Store(block);
    msw3.Store(block);
    msw4.Store(block);
    param.StoreFields(block);
    param2.StoreFields(block);
    select.StoreFields(block);
}

const std::vector<SettingEntry>& SettingEntries() {
    using V = const PageValues&;
    static const std::vector<SettingEntry> entries = {
        List(
            kSelect, nullptr, L"用紙厚調整(&A)",
            [](V v) -> auto& { return v.select.m_thicknessText; }),
        List(
            kSelect, nullptr, L"印刷圧の微調整(&B)",
            [](V v) -> auto& { return v.select.m_pressureText; }),
        List(
            kSelect, nullptr, L"縮小印刷の選択(&P)",
            [](V v) -> auto& { return v.select.m_reduceText; }),
        Choice(kSelect, L"書体選択", L"明朝体(&R)", L"ゴシック体(&G)",
               [](V v) { return v.select.m_typefaceIndex; }),
        Choice(kSelect, L"２ビンシートフィーダのホッパ選択", L"ホッパ１(&N)", L"ホッパ２(&Y)",
               [](V v) { return v.select.m_hopperIndex; }),
        List(
            kSelect, nullptr, L"書式選択(&S)", [](V v) -> auto& { return v.select.m_formText; }),

        Box(kParam, kHeadCentering, L"カット紙(&C)", L"桁",
            [](V v) { return v.param.m_headCenterCutSheet; }),
        Box(kParam, kHeadCentering, L"フロントトラクタ(&T)", L"桁",
            [](V v) { return v.param.m_headCenterFrontTractor; }),
        Box(kParam, kHeadCentering, L"リアトラクタ(&R)", L"桁",
            [](V v) { return v.param.m_headCenterRearTractor; }),
        List(
            kParam, nullptr, L"漢字コード表(&K)",
            [](V v) -> auto& { return v.param.m_kanjiTableText; }),
        List(
            kParam, nullptr, L"フォント１(&1)", [](V v) -> auto& { return v.param.m_font1Text; }),
        List(
            kParam, nullptr, L"フォント２(&2)", [](V v) -> auto& { return v.param.m_font2Text; }),
        Choice(kParam, L"用紙セット位置", L"センタ(&S)", L"レフト(&L)",
               [](V v) { return v.param.m_setPositionIndex; }),
        Choice(kParam, L"ハガキ印刷モード", L"OFF(&N)", L"ON(&Y)",
               [](V v) { return v.param.m_postcardIndex; }),

        List(
            kParam2, kLfPitch, L"シートガイド(&G)",
            [](V v) -> auto& { return v.param2.m_lfPitchSheetGuideText; }),
        List(
            kParam2, kLfPitch, L"シートフィーダ(&S)",
            [](V v) -> auto& { return v.param2.m_lfPitchSheetFeederText; }),
        List(
            kParam2, kLfPitch, L"フロントトラクタ(&F)",
            [](V v) -> auto& { return v.param2.m_lfPitchFrontTractorText; }),
        List(
            kParam2, kLfPitch, L"リアトラクタ(&R)",
            [](V v) -> auto& { return v.param2.m_lfPitchRearTractorText; }),
        List(
            kParam2, nullptr, L"自動用紙厚調整再実行時間(&A)",
            [](V v) -> auto& { return v.param2.m_retryTimeText; }),
        List(
            kParam2, nullptr, L"連続紙カット位置からの自動戻り時間(&P)",
            [](V v) -> auto& { return v.param2.m_autoReturnText; }),
        Box(kParam2, nullptr, L"シートガイドからの用紙吸入時間(&J)", L"秒",
            [](V v) { return v.param2.m_feedTimeSeconds; }),

        List(
            kMsw1, nullptr, L"各国文字の切り替え(&C) （MSW1-1/2/3） ",
            [](V v) -> auto& { return v.msw1.m_countryText; }),
        Choice(kMsw1, L"データ受信方法の切り替え", L"従来互換(&J)", L"高速受信(&K)",
               [](V v) { return v.msw1.m_msw1_4; }),
        Choice(kMsw1, L"DC1/DC3コード処理の切り替え", L"有効(&O)", L"無効(&U)",
               [](V v) { return v.msw1.m_msw1_5; }),
        Choice(kMsw1, L"自動復帰改行の切り替え", L"復帰改行(&L)", L"復帰のみ(&T)",
               [](V v) { return v.msw1.m_msw1_6; }),
        Choice(kMsw1, L"印刷指令コード切り替え", L"ＣＲのみ(&D)",
               L"ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，\nＥＳＣ ａ，ＥＳＣ ｂ (&E)",
               [](V v) { return v.msw1.m_msw1_7; }),
        Choice(kMsw1, L"CR機能の切り替え", L"復帰のみ(&N)", L"復帰改行(&V)",
               [](V v) { return v.msw1.m_msw1_8; }),

        Check(kMsw2, L"数字「0」の字体にスラッシュを付ける（1バイトコード系）(&K)",
              [](V v) { return v.msw2.m_msw2_1; }),
        Choice(kMsw2, L"シートガイド用紙無し検出", L"印刷時(&S)", L"常時(&A)",
               [](V v) { return v.msw2.m_msw2_2; }),
        Choice(kMsw2, L"ドット対応グラフィックドット数", L"ネイティブモード(&N)",
               L"コピーモード(&C)", [](V v) { return v.msw2.m_msw2_3; }),
        Choice(kMsw2, L"印刷モードの初期設定", L"ＨＤパイカ(&D)", L"ＨＳパイカ(&E)",
               [](V v) { return v.msw2.m_msw2_5; }),
        Choice(kMsw2, L"７／８ビットデータの切り替え", L"８ビット(&8)", L"７ビット(&7)",
               [](V v) { return v.msw2.m_msw2_6; }),
        Choice(kMsw2, L"印刷桁数の切り替え", L"１３６桁(&L)", L"８０桁(&O)",
               [](V v) { return v.msw2.m_msw2_7; }),
        Choice(kMsw2, L"印刷方向の初期設定", L"両方向最短(&2)", L"片方向(&1)",
               [](V v) { return v.msw2.m_msw2_8; }),

        Choice(kMsw3, L"PCモード/情処モード切り替え", L"PCモード(&P)", L"情処モード(&J)",
               [](V v) { return v.msw3.m_msw3_2; }),
        Choice(kMsw3, L"用紙吸入位置の記憶", L"記憶する(&R)", L"記憶しない(&S)",
               [](V v) { return v.msw3.m_msw3_3; }),
        Choice(kMsw3, L"シートフィーダの吸入コード", L"ＥＳＣ ａのみ(&E)",
               L"ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ(&T)", [](V v) { return v.msw3.m_msw3_4; }),
        Choice(kMsw3, L"自動カット位置送り機能", L"無効(&U)", L"有効(&O)",
               [](V v) { return v.msw3.m_msw3_5; }),
        Check(kMsw3, L"数字「0」の字体にスラッシュを付ける（2バイトコード系）(&Z)",
              [](V v) { return v.msw3.m_msw3_7; }),
        Choice(kMsw3, L"ミシン目スキップの初期設定", L"スキップしない(&G)", L"スキップする(&K)",
               [](V v) { return v.msw3.m_msw3_8; }),

        Choice(kMsw4, L"用紙外側への印刷防止機能", L"有効(&U)", L"無効(&O)",
               [](V v) { return v.msw4.m_msw4_1; }),
        Choice(kMsw4, L"カット位置送り機能の用紙送り量", L"固定長(&K)", L"TOF＋固定長(&P)",
               [](V v) { return v.msw4.m_msw4_3; }),
        Choice(kMsw4, L"ドット列印刷モードの印刷方向", L"片方向(&1)", L"両方向(&2)",
               [](V v) { return v.msw4.m_msw4_4; }),
        Choice(kMsw4, L"高速印刷モードの初期設定", L"通常印刷(&E)", L"高速印刷(&D)",
               [](V v) { return v.msw4.m_msw4_5; }),
        Choice(kMsw4, L"シートガイドのローディング方法", L"オート(&A)", L"マニュアル(&Z)",
               [](V v) { return v.msw4.m_msw4_8; }),
    };
    return entries;
}

const std::vector<FormEntry>& FormEntries() {
    using F = const FormValues&;
    static const std::vector<FormEntry> entries = {
        {nullptr, L"用紙長(&N)", L"行", false, [](F f) { return f.pageLength; }},
        {nullptr, L"レフトマージン幅(&L)", L"桁", true, [](F f) { return f.leftMargin; }},
        {nullptr, L"ライトマージン幅(&R)", L"桁", true, [](F f) { return f.rightMargin; }},
        {kIntake, L"フロントトラクタ(&F)", L"/120インチ", false, [](F f) { return f.feed[0]; }},
        {kIntake, L"リアトラクタ(&B)", L"/120インチ", false, [](F f) { return f.feed[1]; }},
        {kIntake, L"シートガイド(&G)", L"/120インチ", false, [](F f) { return f.feed[2]; }},
        {kIntake, L"シートフィーダ(&S)", L"/120インチ", false, [](F f) { return f.feed[3]; }},
        {kIntake, L"はがき(&P)", L"/120インチ", false, [](F f) { return f.feed[4]; }},
    };
    return entries;
}

std::wstring WithoutAccessKey(const wchar_t* text) {
    std::wstring shown;
    for (const wchar_t* c = text; *c; ++c) {
        if (c[0] == L'(' && c[1] == L'&' && c[2] && c[3] == L')') {
            c += 3;
        } else if (*c == L'&') {
            if (c[1] == L'&') {
                shown += *++c;
            }
        } else if (*c != L'\n' && !(c[0] == L' ' && c[1] == L'（')) {
            shown += *c;
        }
    }
    const auto first = shown.find_first_not_of(L' ');
    const auto last = shown.find_last_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : shown.substr(first, last - first + 1);
}

std::vector<SettingRow> DescribeSettings(const SettingsBlock& block) {
    const PageValues values(block);
    std::vector<SettingRow> rows;
    // The function selection page's own controls, then its forms, then the other pages.
    const auto addEntries = [&](bool selectPage) {
        for (const SettingEntry& entry : SettingEntries()) {
            if ((entry.tab == kSelect) == selectPage) {
                rows.push_back({kTabTexts[entry.tab], PageLabel(entry), ValueText(entry, values)});
            }
        }
    };
    addEntries(true);
    for (int form = 0; form < kFormCount; ++form) {
        const FormValues& formValues = values.forms[static_cast<std::size_t>(form)];
        for (const FormEntry& entry : FormEntries()) {
            if (entry.margin && form == 0) {
                continue;
            }
            rows.push_back({kTabTexts[kSelect], FormLabel(form, entry),
                            NumberText(entry.number(formValues), entry.unit)});
        }
    }
    addEntries(false);
    return rows;
}

std::vector<ComparedRow> CompareSettings(const SettingsBlock& block, const SettingsBlock& other) {
    const std::vector<SettingRow> rows = DescribeSettings(block);
    const std::vector<SettingRow> otherRows = DescribeSettings(other);
    std::vector<ComparedRow> compared;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::wstring& otherValue = otherRows[i].value;
        compared.push_back(
            {rows[i].page, rows[i].label, rows[i].value, otherValue, rows[i].value != otherValue});
    }
    return compared;
}

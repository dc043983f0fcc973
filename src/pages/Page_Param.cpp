#include "pages/Page_Param.h"

#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "pages/NumberBoxRules.h"
#include "pages/ParamControls.h"
#include "res/param_ids.h"
#include "res/resource.h"

namespace {

constexpr int kLowestColumn = 10;
constexpr int kHighestColumn = 68;

} // namespace

CPage_Param::CPage_Param()
    : CSettingsPage(IDD_PAGE_PARAM,
                    {IDC_POSTCARD_ON, IDC_FONT1, IDC_FONT2, IDC_POSTCARD_OFF, IDC_KANJI_TABLE,
                     IDC_SET_POSITION_LEFT, IDC_SET_POSITION_CENTER}) {}

bool CPage_Param::OnInitDialog() {
    FillList(GetDlgItem(IDC_FONT1), kFontList);
    FillList(GetDlgItem(IDC_FONT2), kFontList);
    FillList(GetDlgItem(IDC_KANJI_TABLE), kKanjiTableList);
    UpdateDataQuietly(false);
    for (int spin :
         {IDC_HEAD_CUT_SHEET_SPIN, IDC_HEAD_FRONT_TRACTOR_SPIN, IDC_HEAD_REAR_TRACTOR_SPIN}) {
        SetSpinRange(GetDlgItem(spin), kLowestColumn, kHighestColumn);
    }
    return false; // the main window decides where the focus goes
}

void CPage_Param::DoDataExchange(CDataExchange& dx) {
    dx.ComboText(IDC_FONT1, m_font1Text);
    dx.ComboText(IDC_FONT2, m_font2Text);
    dx.ComboText(IDC_KANJI_TABLE, m_kanjiTableText);
    dx.Int(IDC_HEAD_FRONT_TRACTOR, m_headCenterFrontTractor);
    dx.Int(IDC_HEAD_CUT_SHEET, m_headCenterCutSheet);
    dx.Radio(IDC_POSTCARD_OFF, m_postcardIndex);
    dx.Int(IDC_HEAD_REAR_TRACTOR, m_headCenterRearTractor);
    dx.Radio(IDC_SET_POSITION_CENTER, m_setPositionIndex);
}

void CPage_Param::LoadFromBlock(const SettingsBlock& block) {
    LoadFields(block);
    m_pendingCutSheet = false;
    m_pendingFrontTractor = false;
    m_pendingRearTractor = false;
    UpdateDataQuietly(false);
}

void CPage_Param::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    StoreFields(block);
}

bool* CPage_Param::PendingFlagOf(UINT boxId) {
    switch (boxId) {
    case IDC_HEAD_CUT_SHEET:
        return &m_pendingCutSheet;
    case IDC_HEAD_FRONT_TRACTOR:
        return &m_pendingFrontTractor;
    case IDC_HEAD_REAR_TRACTOR:
        return &m_pendingRearTractor;
    default:
        return nullptr;
    }
}

bool CPage_Param::OnCommand(UINT code, UINT id, HWND control) {
    bool* pending = PendingFlagOf(id);
    if (code != EN_CHANGE || !pending || IsUpdating()) {
        return false;
    }
    if (!DropNonDigits(control)) {
        OnHeadCenteringChange(id, *pending);
    }
    return true;
}

// A rewrite of the text comes back here as a change of its own; the rule
// leaves its own result alone, so that second pass changes nothing.
void CPage_Param::OnHeadCenteringChange(UINT boxId, bool& pending) {
    HWND box = GetDlgItem(static_cast<int>(boxId));
    const std::wstring text = WindowText(box);
    const HeadCenteringResult result = HeadCenteringRule(text, ::GetFocus() == box);
    pending = result.pending;
    if (result.text != text) {
        ReplaceBoxText(box, result.text);
    }
    RaiseDataCheck();
}

void CPage_Param::CorrectHeadCentering() {
    MessageBoxW(GetAncestor(m_hWnd, GA_ROOT),
                L"用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n"
                L"適正値に変更します。",
                L"パラメータ設定－用紙吸入時ヘッドセンタリング位置", MB_OK | MB_ICONEXCLAMATION);
    for (int boxId : {IDC_HEAD_CUT_SHEET, IDC_HEAD_FRONT_TRACTOR, IDC_HEAD_REAR_TRACTOR}) {
        if (*PendingFlagOf(static_cast<UINT>(boxId))) {
            // The box's change rule takes the 10 as it is and clears the flag.
            ReplaceBoxText(GetDlgItem(boxId), L"10");
            ::SetFocus(GetDlgItem(boxId));
        }
    }
}

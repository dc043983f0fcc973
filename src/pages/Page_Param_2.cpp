#include "pages/Page_Param_2.h"

#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "pages/NumberBoxRules.h"
#include "pages/ParamControls.h"
#include "res/param_ids.h"
#include "res/resource.h"

namespace {

constexpr int kFewestSeconds = 2;
constexpr int kMostSeconds = 5;

constexpr int kLfPitchLists[] = {IDC_LF_PITCH_SHEET_GUIDE, IDC_LF_PITCH_SHEET_FEEDER,
                                 IDC_LF_PITCH_FRONT_TRACTOR, IDC_LF_PITCH_REAR_TRACTOR};

} // namespace

CPage_Param_2::CPage_Param_2()
    : CSettingsPage(IDD_PAGE_PARAM_2,
                    {IDC_LF_PITCH_SHEET_GUIDE, IDC_AUTO_RETURN, IDC_LF_PITCH_SHEET_FEEDER,
                     IDC_LF_PITCH_FRONT_TRACTOR, IDC_LF_PITCH_REAR_TRACTOR, IDC_RETRY_TIME}) {}

bool CPage_Param_2::OnInitDialog() {
    for (int list : kLfPitchLists) {
        FillList(GetDlgItem(list), kLfPitchList);
    }
    FillList(GetDlgItem(IDC_RETRY_TIME), kRetryTimeList);
    FillList(GetDlgItem(IDC_AUTO_RETURN), kAutoReturnList);
    UpdateDataQuietly(false);
    SetSpinRange(GetDlgItem(IDC_FEED_TIME_SPIN), kFewestSeconds, kMostSeconds);
    return false; // the main window decides where the focus goes
}

// The seconds come last: when they fail the range check, which only a loaded
// block can make them do, the lists have been read all the same.
void CPage_Param_2::DoDataExchange(CDataExchange& dx) {
    dx.ComboText(IDC_AUTO_RETURN, m_autoReturnText);
    dx.ComboText(IDC_RETRY_TIME, m_retryTimeText);
    dx.ComboText(IDC_LF_PITCH_SHEET_GUIDE, m_lfPitchSheetGuideText);
    dx.ComboText(IDC_LF_PITCH_SHEET_FEEDER, m_lfPitchSheetFeederText);
    dx.ComboText(IDC_LF_PITCH_FRONT_TRACTOR, m_lfPitchFrontTractorText);
    dx.ComboText(IDC_LF_PITCH_REAR_TRACTOR, m_lfPitchRearTractorText);
    dx.Int(IDC_FEED_TIME, m_feedTimeSeconds, kFewestSeconds, kMostSeconds);
}

void CPage_Param_2::LoadFromBlock(const SettingsBlock& block) {
    LoadFields(block);
    UpdateDataQuietly(false);
}

void CPage_Param_2::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    StoreFields(block);
}

// A rewrite of the text comes back here as a change of its own; the rule
// leaves its own result alone, so that second pass changes nothing.
bool CPage_Param_2::OnCommand(UINT code, UINT id, HWND control) {
    if (code != EN_CHANGE || id != IDC_FEED_TIME || IsUpdating()) {
        return false;
    }
    if (DropNonDigits(control)) {
        return true;
    }
    const std::wstring text = WindowText(control);
    const std::wstring corrected = FeedTimeRule(text, ::GetFocus() == control);
    if (corrected != text) {
        ReplaceBoxText(control, corrected);
    }
    RaiseDataCheck();
    return true;
}

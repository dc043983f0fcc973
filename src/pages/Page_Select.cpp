#include "pages/Page_Select.h"

#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "pages/SelectFields.h"
#include "res/resource.h"
#include "res/select_ids.h"

CPage_Select::CPage_Select()
    : CSettingsPage(IDD_PAGE_SELECT,
                    {IDC_SEL_TYPEFACE_GOTHIC, IDC_SEL_HOPPER_2, IDC_SEL_TYPEFACE_MINCHO,
                     IDC_SEL_PAPER_THICKNESS, IDC_SEL_PRINT_PRESSURE, IDC_SEL_FORM_SELECT,
                     IDC_SEL_REDUCED_PRINT, IDC_SEL_HOPPER_1}) {}

bool CPage_Select::OnInitDialog() {
    AppendComboTexts(GetDlgItem(IDC_SEL_PAPER_THICKNESS),
                     {kThicknessEntries, kThicknessEntries + kThicknessEntryCount});
    AppendComboTexts(GetDlgItem(IDC_SEL_PRINT_PRESSURE),
                     {kPressureEntries, kPressureEntries + kPressureEntryCount});
    AppendComboTexts(GetDlgItem(IDC_SEL_REDUCED_PRINT),
                     {kReduceEntries, kReduceEntries + kReduceEntryCount});
    AppendComboTexts(GetDlgItem(IDC_SEL_FORM_SELECT), {kFormNames, kFormNames + kFormCount});
    return CSettingsPage::OnInitDialog();
}

void CPage_Select::DoDataExchange(CDataExchange& dx) {
    dx.ComboText(IDC_SEL_PAPER_THICKNESS, m_thicknessText);
    dx.ComboText(IDC_SEL_PRINT_PRESSURE, m_pressureText);
    dx.ComboText(IDC_SEL_REDUCED_PRINT, m_reduceText);
    dx.Radio(IDC_SEL_TYPEFACE_MINCHO, m_typefaceIndex);
    dx.Radio(IDC_SEL_HOPPER_1, m_hopperIndex);
    dx.ComboText(IDC_SEL_FORM_SELECT, m_formText);
}

void CPage_Select::LoadFromBlock(const SettingsBlock& block) {
    LoadFields(block);
    for (int form = 0; form < kFormCount; ++form) {
        m_formDlg.Record(form) = ReadFormRecord(block, form);
    }
    UpdateDataQuietly(false);
}

void CPage_Select::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    StoreFields(block);
    for (int form = 0; form < kFormCount; ++form) {
        WriteFormRecord(block, form, m_formDlg.Record(form));
    }
}

void CPage_Select::UpdateFormButtonCaption() {
    const std::wstring caption = m_formText + L"の設定(&D)";
    SetDlgItemTextW(m_hWnd, IDC_SEL_FORM_SETTINGS, caption.c_str());
}

void CPage_Select::OnFormSettings() {
    if (const auto form = FormNumber(m_formText)) {
        m_formDlg.LoadForm(m_formDlg.Record(*form));
    }
    m_formDlg.m_formName = m_formText;
    if (m_formDlg.DoModal(GetAncestor(m_hWnd, GA_ROOT)) == IDOK) {
        RaiseDataCheck();
    }
}

bool CPage_Select::OnCommand(UINT code, UINT id, HWND /*control*/) {
    switch (id) {
    case IDC_SEL_FORM_SELECT:
        // The data check has collected the pages, so m_formText holds the new choice.
        UpdateFormButtonCaption();
        return false;
    case IDC_SEL_FORM_SETTINGS:
        if (code == BN_CLICKED) {
            OnFormSettings();
        }
        return true;
    default:
        return false;
    }
}

#include "pages/Page_MSW1.h"

#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "res/msw_ids.h"
#include "res/resource.h"

#include <iterator>

CPage_MSW1::CPage_MSW1()
    : CSettingsPage(IDD_PAGE_MSW1, {IDC_MSW1_COUNTRY, IDC_MSW1_4_0, IDC_MSW1_4_1, IDC_MSW1_5_0,
                                    IDC_MSW1_5_1, IDC_MSW1_6_0, IDC_MSW1_6_1, IDC_MSW1_7_0,
                                    IDC_MSW1_7_1, IDC_MSW1_8_0, IDC_MSW1_8_1}) {}

bool CPage_MSW1::OnInitDialog() {
    AppendComboTexts(GetDlgItem(IDC_MSW1_COUNTRY),
                     {std::begin(kCountryNames), std::end(kCountryNames)});
    return CSettingsPage::OnInitDialog();
}

void CPage_MSW1::DoDataExchange(CDataExchange& dx) {
    dx.ComboText(IDC_MSW1_COUNTRY, m_countryText);
    dx.Radio(IDC_MSW1_4_0, m_msw1_4);
    dx.Radio(IDC_MSW1_5_0, m_msw1_5);
    dx.Radio(IDC_MSW1_6_0, m_msw1_6);
    dx.Radio(IDC_MSW1_7_0, m_msw1_7);
    dx.Radio(IDC_MSW1_8_0, m_msw1_8);
}

void CPage_MSW1::LoadFromBlock(const SettingsBlock& block) {
    Load(block);
    UpdateDataQuietly(false);
}

void CPage_MSW1::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    Store(block);
}

#include "pages/Page_MSW2.h"

#include "framework/DataExchange.h"
#include "res/msw_ids.h"
#include "res/resource.h"

CPage_MSW2::CPage_MSW2()
    : CSettingsPage(IDD_PAGE_MSW2,
                    {IDC_MSW2_1, IDC_MSW2_2_0, IDC_MSW2_2_1, IDC_MSW2_3_0, IDC_MSW2_3_1,
                     IDC_MSW2_5_0, IDC_MSW2_5_1, IDC_MSW2_6_0, IDC_MSW2_6_1, IDC_MSW2_7_0,
                     IDC_MSW2_7_1, IDC_MSW2_8_0, IDC_MSW2_8_1}) {}

void CPage_MSW2::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_MSW2_1, m_msw2_1);
    dx.Radio(IDC_MSW2_2_0, m_msw2_2);
    dx.Radio(IDC_MSW2_3_0, m_msw2_3);
    dx.Radio(IDC_MSW2_5_0, m_msw2_5);
    dx.Radio(IDC_MSW2_6_0, m_msw2_6);
    dx.Radio(IDC_MSW2_7_0, m_msw2_7);
    dx.Radio(IDC_MSW2_8_0, m_msw2_8);
}

void CPage_MSW2::LoadFromBlock(const SettingsBlock& block) {
    Load(block);
    UpdateDataQuietly(false);
}

void CPage_MSW2::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    Store(block);
}

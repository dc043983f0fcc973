#include "pages/Page_MSW3.h"

#include "framework/DataExchange.h"
#include "res/msw_ids.h"
#include "res/resource.h"

CPage_MSW3::CPage_MSW3()
    : CSettingsPage(IDD_PAGE_MSW3, {IDC_MSW3_2_0, IDC_MSW3_2_1, IDC_MSW3_3_0, IDC_MSW3_3_1,
                                    IDC_MSW3_4_0, IDC_MSW3_4_1, IDC_MSW3_5_0, IDC_MSW3_5_1,
                                    IDC_MSW3_7, IDC_MSW3_8_0, IDC_MSW3_8_1}) {}

void CPage_MSW3::DoDataExchange(CDataExchange& dx) {
    dx.Check(IDC_MSW3_7, m_msw3_7);
    dx.Radio(IDC_MSW3_3_0, m_msw3_3);
    dx.Radio(IDC_MSW3_4_0, m_msw3_4);
    dx.Radio(IDC_MSW3_5_0, m_msw3_5);
    dx.Radio(IDC_MSW3_8_0, m_msw3_8);
    dx.Radio(IDC_MSW3_2_0, m_msw3_2);
}

void CPage_MSW3::LoadFromBlock(const SettingsBlock& block) {
    Load(block);
    UpdateDataQuietly(false);
}

void CPage_MSW3::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    Store(block);
}

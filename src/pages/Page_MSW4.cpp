#include "pages/Page_MSW4.h"

#include "framework/DataExchange.h"
#include "res/msw_ids.h"
#include "res/resource.h"

CPage_MSW4::CPage_MSW4()
    : CSettingsPage(IDD_PAGE_MSW4,
                    {IDC_MSW4_1_0, IDC_MSW4_1_1, IDC_MSW4_3_0, IDC_MSW4_3_1, IDC_MSW4_4_0,
                     IDC_MSW4_4_1, IDC_MSW4_5_0, IDC_MSW4_5_1, IDC_MSW4_8_0, IDC_MSW4_8_1}) {}

void CPage_MSW4::DoDataExchange(CDataExchange& dx) {
    dx.Radio(IDC_MSW4_1_0, m_msw4_1);
    dx.Radio(IDC_MSW4_3_0, m_msw4_3);
    dx.Radio(IDC_MSW4_4_0, m_msw4_4);
    dx.Radio(IDC_MSW4_5_0, m_msw4_5);
    dx.Radio(IDC_MSW4_8_0, m_msw4_8);
}

void CPage_MSW4::LoadFromBlock(const SettingsBlock& block) {
    Load(block);
    UpdateDataQuietly(false);
}

void CPage_MSW4::StoreToBlock(SettingsBlock& block) {
    UpdateDataQuietly(true);
    Store(block);
}

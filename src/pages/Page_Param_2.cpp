#include "pages/Page_Param_2.h"

#include "res/resource.h"

CPage_Param_2::CPage_Param_2() : CSettingsPage(IDD_PAGE_PARAM_2, {}) {}

void CPage_Param_2::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_Param_2::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

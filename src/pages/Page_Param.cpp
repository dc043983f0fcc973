#include "pages/Page_Param.h"

#include "res/resource.h"

CPage_Param::CPage_Param() : CSettingsPage(IDD_PAGE_PARAM, {}) {}

void CPage_Param::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_Param::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

void CPage_Param::CorrectHeadCentering() {}

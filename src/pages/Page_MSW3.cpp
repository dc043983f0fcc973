#include "pages/Page_MSW3.h"

#include "res/resource.h"

CPage_MSW3::CPage_MSW3() : CSettingsPage(IDD_PAGE_MSW3, {}) {}

void CPage_MSW3::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_MSW3::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

#include "pages/Page_MSW2.h"

#include "res/resource.h"

CPage_MSW2::CPage_MSW2() : CSettingsPage(IDD_PAGE_MSW2, {}) {}

void CPage_MSW2::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_MSW2::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

#include "pages/Page_MSW4.h"

#include "res/resource.h"

CPage_MSW4::CPage_MSW4() : CSettingsPage(IDD_PAGE_MSW4, {}) {}

void CPage_MSW4::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_MSW4::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

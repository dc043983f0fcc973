#include "pages/Page_MSW1.h"

#include "res/resource.h"

CPage_MSW1::CPage_MSW1() : CSettingsPage(IDD_PAGE_MSW1, {}) {}

void CPage_MSW1::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_MSW1::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

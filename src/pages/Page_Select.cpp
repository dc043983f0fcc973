#include "pages/Page_Select.h"

#include "res/resource.h"

CPage_Select::CPage_Select() : CSettingsPage(IDD_PAGE_SELECT, {}) {}

void CPage_Select::LoadFromBlock(const SettingsBlock& /*block*/) {
    UpdateDataQuietly(false);
}

void CPage_Select::StoreToBlock(SettingsBlock& /*block*/) {
    UpdateDataQuietly(true);
}

void CPage_Select::UpdateFormButtonCaption() {}

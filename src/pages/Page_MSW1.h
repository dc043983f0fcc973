#pragma once
// The tab page "ＭＳＷ１": the memory switches of bank 1.

#include "pages/SettingsPage.h"

class CPage_MSW1 : public CSettingsPage {
public:
    CPage_MSW1();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;
};

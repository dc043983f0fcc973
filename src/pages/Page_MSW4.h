#pragma once
// The tab page "ＭＳＷ４": the memory switches of bank 4.

#include "pages/SettingsPage.h"

class CPage_MSW4 : public CSettingsPage {
public:
    CPage_MSW4();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;
};

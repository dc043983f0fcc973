#pragma once
// The tab page "ＭＳＷ１": the memory switches of bank 1. MSW1-1 to MSW1-3
// are shown together as the list of national character sets.

#include "pages/MemorySwitches.h"
#include "pages/SettingsPage.h"

class CPage_MSW1 : public CSettingsPage, public Msw1Switches {
public:
    CPage_MSW1();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
};

#pragma once
// The tab page "ＭＳＷ２": the memory switches of bank 2.

#include "pages/MemorySwitches.h"
#include "pages/SettingsPage.h"

class CPage_MSW2 : public CSettingsPage, public Msw2Switches {
public:
    CPage_MSW2();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

#pragma once
// The tab page "ＭＳＷ３": the memory switches of bank 3.

#include "pages/MemorySwitches.h"
#include "pages/SettingsPage.h"

class CPage_MSW3 : public CSettingsPage, public Msw3Switches {
public:
    CPage_MSW3();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

#pragma once
// The tab page "ＭＳＷ４": the memory switches of bank 4.

#include "pages/MemorySwitches.h"
#include "pages/SettingsPage.h"

class CPage_MSW4 : public CSettingsPage, public Msw4Switches {
public:
    CPage_MSW4();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

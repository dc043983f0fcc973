#pragma once
// The tab page "パラメータ設定２": line-feed pitch corrections, timers and the sheet-guide intake
// time.

#include "pages/SettingsPage.h"

class CPage_Param_2 : public CSettingsPage {
public:
    CPage_Param_2();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;
};

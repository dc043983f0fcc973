#pragma once
// The tab page "パラメータ設定２": line-feed pitch corrections, the re-run time of
// the paper-thickness adjustment, the auto-return time and the sheet-guide
// intake time in seconds.

#include "pages/ParamValues.h"
#include "pages/SettingsPage.h"

class CPage_Param_2 : public CSettingsPage, protected Param2Values {
public:
    CPage_Param_2();

    void LoadFromBlock(const SettingsBlock& block) override;
    // A seconds value outside 2 to 5, which only a loaded block can bring, is
    // reported (the focus goes to its box when the page is shown); the block
    // gets it all the same, and the lists' values too.
    void StoreToBlock(SettingsBlock& block) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void DoDataExchange(CDataExchange& dx) override;
};

#pragma once
// The tab page "機能選択": paper thickness, print pressure, reduced printing, typeface, hopper and
// forms.

#include "pages/SettingsPage.h"

class CPage_Select : public CSettingsPage {
public:
    CPage_Select();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

    // Shows the selected form on the caption of the form settings button.
    void UpdateFormButtonCaption();
};

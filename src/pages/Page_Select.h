#pragma once
// The tab page "機能選択": paper thickness, print pressure, reduced printing,
// typeface, hopper and the selected form, and the button that opens the form
// settings dialog. The page owns the raw records of the four forms (kept by
// its form settings dialog) between loading a block and collecting one.

#include "pages/FormSettingsDlg.h"
#include "pages/SelectFields.h"
#include "pages/SettingsPage.h"

class CPage_Select : public CSettingsPage, protected SelectValues {
public:
    CPage_Select();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

    // Shows the selected form on the caption of the form settings button.
    void UpdateFormButtonCaption();
    // Edits the selected form in the form settings dialog.
    void OnFormSettings();

    CFormSettingsDlg m_formDlg;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void DoDataExchange(CDataExchange& dx) override;
};

#pragma once
// The tab page "パラメータ設定１": head centring at paper intake, kanji code
// table, fonts 1 and 2, paper set position and postcard mode.
//
// A head-centring box that holds 1 to 6 while the user types in it is left as
// it is and marked pending, since the user may be typing the first digit of a
// two-digit column; the main window has CorrectHeadCentering put such a box
// right before it saves or sends.

#include "pages/ParamValues.h"
#include "pages/SettingsPage.h"

class CPage_Param : public CSettingsPage, protected ParamValues {
public:
    CPage_Param();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

    // Tells the user that a head-centring value is out of range, then sets
    // every pending box to 10 and gives it the focus.
    void CorrectHeadCentering();

    // Set while a head-centring box holds a value from 1 to 6 that the user may
    // still be typing.
    bool m_pendingCutSheet = false;
    bool m_pendingFrontTractor = false;
    bool m_pendingRearTractor = false;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void DoDataExchange(CDataExchange& dx) override;

private:
    // The pending flag of a head-centring box, or null for another control.
    bool* PendingFlagOf(UINT boxId);
    // Corrects the box's new text and raises the data check.
    void OnHeadCenteringChange(UINT boxId, bool& pending);
};

#pragma once
// The tab page "パラメータ設定１": fonts, kanji code table, head centring, paper set position and
// postcard mode.

#include "pages/SettingsPage.h"

class CPage_Param : public CSettingsPage {
public:
    CPage_Param();

    void LoadFromBlock(const SettingsBlock& block) override;
    void StoreToBlock(SettingsBlock& block) override;

    // Reports a head-centring value the user may still be typing and corrects it.
    void CorrectHeadCentering();

    // Set while a head-centring box holds a value from 1 to 6 that the user may
    // still be typing.
    bool m_pendingCutSheet = false;
    bool m_pendingFrontTractor = false;
    bool m_pendingRearTractor = false;
};

#pragma once
// Base of the seven settings pages. A page shows its own fields of the
// settings block: LoadFromBlock sets its controls from a block, StoreToBlock
// reads them back into a block in place.
//
// Every command notification from one of the page's setting controls
// (click, selection change, list opened or closed, focus gained or lost)
// first sends the data-check command to the page itself; the page does not
// handle it, so it travels on to the main window. While the page moves values
// between members and controls no data check is raised, so that loading the
// pages one after another is never interrupted by a collection.

#include "framework/PropertyPage.h"
#include "settings/SettingsBlock.h"

#include <vector>

class CSettingsPage : public CPropertyPage {
public:
    CSettingsPage(UINT templateId, std::vector<int> settingControls)
        : CPropertyPage(templateId), m_settingControls(std::move(settingControls)) {}

    virtual void LoadFromBlock(const SettingsBlock& block) = 0;
    virtual void StoreToBlock(SettingsBlock& block) = 0;

protected:
    // Sends the data-check command (32805) to this page and waits until the
    // main window has handled it. Does nothing while the page updates.
    void RaiseDataCheck();
    // UpdateData with the data check off meanwhile.
    bool UpdateDataQuietly(bool save);
    // True while the page moves values between members and controls.
    bool IsUpdating() const { return m_updating; }

    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::vector<int> m_settingControls;
    bool m_updating = false;
};

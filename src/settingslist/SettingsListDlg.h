#pragma once
// The settings list: every setting of the working copy in one table, beside
// its value in the factory settings, in the copy last sent or in a settings
// file. Rows that differ stand out and can be shown alone; the whole list
// can be saved as a CSV file. The dialog changes no setting and no copy.

#include "framework/Dialog.h"
#include "settingslist/SettingsCatalogue.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

class CSettingsListDlg : public CDialog {
public:
    // `current` is what the pages show, `sent` the copy last sent.
    CSettingsListDlg(const SettingsBlock& current, const SettingsBlock& sent);
    ~CSettingsListDlg() override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    // The entries of the comparison list, in list order.
    enum Comparison { kFactory, kSent, kFile };

    HWND List() const;
    // The comparison list's selection changed; a settings file is asked for
    // and read, and the previous choice stays when that fails.
    void ChooseComparison();
    // Compares again and shows the rows that the filter lets through.
    void Refill();
    // The list's font in bold, for the rows that differ.
    void MakeBoldFont();
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
    void SaveCsv();
    // Differing rows in bold and colour.
    LRESULT DrawRow(NMLVCUSTOMDRAW& draw) const;

    SettingsBlock m_current;
    SettingsBlock m_sent;
    SettingsBlock m_file;
    std::wstring m_filePath;
    int m_comparison = kFactory;
    std::vector<ComparedRow> m_rows; // all rows, whatever the filter
    HFONT m_boldFont = nullptr;
};

#pragma once
// The dialog "書式の設定" that edits one of the four forms: page length,
// margins (forms 1 to 3 only) and the intake position of each paper path.
//
// The object lives inside the function selection page and also keeps the raw
// records of all four forms, so a form that is never edited passes from one
// settings block to the next byte for byte. LoadForm decodes one record into
// the dialog's values before it is shown; OK checks the values and encodes
// them into the record of the form named by m_formName.

#include "framework/Dialog.h"
#include "settings/FieldCodec.h"

#include <array>
#include <string>

class CFormSettingsDlg : public CDialog {
public:
    CFormSettingsDlg();

    // The raw record of form 0..3.
    FormRecord& Record(int form);

    // Decodes a record into the values; a record of form 0 has no margins
    // and shows 0 and 136.
    void LoadForm(const FormRecord& record);
    // Encodes the values into a record, leaving its separators as they are.
    void SaveForm(FormRecord& record) const;

    std::wstring m_formName;
    FormRecord m_record3;
    FormRecord m_record2;
    FormRecord m_record1;
    FormRecord m_record0;
    bool m_rightMarginPending = false;
    int m_feedFrontTractor = 0;
    int m_tickFrontTractor = 0;
    int m_feedRearTractor = 0;
    int m_tickRearTractor = 0;
    int m_feedSheetGuide = 0;
    int m_tickSheetGuide = 0;
    int m_feedSheetFeeder = 0;
    int m_tickSheetFeeder = 0;
    int m_feedPostcard = 0;
    int m_tickPostcard = 0;
    int m_pageLength = 0;
    int m_leftMargin = 0;
    int m_rightMargin = 0;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void OnOK() override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct FeedMembers {
        int* feed;
        int* tick;
    };
    // The value and trackbar members of the five paper paths, in row order.
    std::array<FeedMembers, kFeedCount> Feeds();

    void OnFeedTextChanged(int row);
    void OnPageLengthTextChanged();
    void OnLeftMarginTextChanged();
    void OnRightMarginTextChanged();
    // A trackbar was moved: the one with the focus writes its value.
    void OnTrackbarScroll();
    // Puts a corrected text into an edit, which handles it as a change again.
    void ReplaceText(int id, const std::wstring& text);
    void Warn(const wchar_t* text, const wchar_t* caption);
};

#include "pages/FormSettingsDlg.h"

#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "pages/FormEntryRules.h"
#include "pages/ParamControls.h"
#include "pages/SelectFields.h"
#include "res/resource.h"
#include "res/select_ids.h"

#include <commctrl.h>

namespace {

// One paper path: its controls and what OK says when its value is below 40.
struct FeedRow {
    int trackbar;
    int edit;
    int upDown;
    bool postcard;
    const wchar_t* belowMinimum;
    const wchar_t* caption;
};

constexpr FeedRow kRows[kFeedCount] = {
    {IDC_FORM_TRACK_FRONT_TRACTOR, IDC_FORM_FEED_FRONT_TRACTOR, IDC_FORM_SPIN_FRONT_TRACTOR, false,
     L"フロントトラクタの吸入位置の値が下限を超えています。\n設定値を変更します。",
     L"フロントトラクタ吸入位置"},
    {IDC_FORM_TRACK_REAR_TRACTOR, IDC_FORM_FEED_REAR_TRACTOR, IDC_FORM_SPIN_REAR_TRACTOR, false,
     L"リアトラクタの吸入位置の値が下限を超えています。\n設定値を変更します。",
     L"リアトラクタ吸入位置"},
    {IDC_FORM_TRACK_SHEET_GUIDE, IDC_FORM_FEED_SHEET_GUIDE, IDC_FORM_SPIN_SHEET_GUIDE, false,
     L"シートガイドの吸入位置の値が下限を超えています。\n設定値を変更します。",
     L"シートガイド吸入位置"},
    {IDC_FORM_TRACK_SHEET_FEEDER, IDC_FORM_FEED_SHEET_FEEDER, IDC_FORM_SPIN_SHEET_FEEDER, false,
     L"シートフィーダの吸入位置の値が下限を超えています。\n設定値を変更します。",
     L"シートフィーダ吸入位置"},
    {IDC_FORM_TRACK_POSTCARD, IDC_FORM_FEED_POSTCARD, IDC_FORM_SPIN_POSTCARD, true,
     L"はがきの吸入位置の値が下限を超えています。\n設定値を変更します。", L"はがき吸入位置"},
};

// Form 0 has no margins: these stay disabled while it is edited.
constexpr int kMarginControls[] = {
    IDC_FORM_LEFT_MARGIN_LABEL, IDC_FORM_LEFT_MARGIN_UNIT,  IDC_FORM_RIGHT_MARGIN_LABEL,
    IDC_FORM_RIGHT_MARGIN_UNIT, IDC_FORM_LEFT_MARGIN,       IDC_FORM_RIGHT_MARGIN,
    IDC_FORM_SPIN_LEFT_MARGIN,  IDC_FORM_SPIN_RIGHT_MARGIN,
};

constexpr wchar_t kLeftMarginMessage[] =
    L"レフトマージン幅はライトマージン幅より小さくしてください。適正値に変更します。";
constexpr wchar_t kRightMarginMessage[] =
    L"ライトマージン幅はレフトマージン幅より大きくしてください。適正値に変更します。";

} // namespace

CFormSettingsDlg::CFormSettingsDlg() : CDialog(IDD_FORM_SETTINGS) {
    m_record0.size = layout::form0.length;
}

FormRecord& CFormSettingsDlg::Record(int form) {
    switch (form) {
    case 0:
        return m_record0;
    case 1:
        return m_record1;
    case 2:
        return m_record2;
    default:
        return m_record3;
    }
}

std::array<CFormSettingsDlg::FeedMembers, kFeedCount> CFormSettingsDlg::Feeds() {
    return {{{&m_feedFrontTractor, &m_tickFrontTractor},
             {&m_feedRearTractor, &m_tickRearTractor},
             {&m_feedSheetGuide, &m_tickSheetGuide},
             {&m_feedSheetFeeder, &m_tickSheetFeeder},
             {&m_feedPostcard, &m_tickPostcard}}};
}

void CFormSettingsDlg::LoadForm(const FormRecord& record) {
    const FormValues values = DecodeForm(record);
    m_pageLength = values.pageLength;
    m_leftMargin = values.leftMargin;
    m_rightMargin = values.rightMargin;
    const auto feeds = Feeds();
    for (int row = 0; row < kFeedCount; ++row) {
        *feeds[row].feed = values.feed[row];
        *feeds[row].tick = NearestTick(values.feed[row], kRows[row].postcard);
    }
}

void CFormSettingsDlg::SaveForm(FormRecord& record) const {
    FormValues values;
    values.pageLength = m_pageLength;
    values.leftMargin = m_leftMargin;
    values.rightMargin = m_rightMargin;
    values.feed = {m_feedFrontTractor, m_feedRearTractor, m_feedSheetGuide, m_feedSheetFeeder,
                   m_feedPostcard};
    EncodeForm(record, values);
}

bool CFormSettingsDlg::OnInitDialog() {
    UpdateData(false);
    SetWindowTextW(m_hWnd, (L"書式の設定： " + m_formName).c_str());
    const BOOL margins = m_formName != kFormNames[0];
    for (int id : kMarginControls) {
        EnableWindow(GetDlgItem(id), margins);
    }
    for (const FeedRow& row : kRows) {
        ::SendMessageW(GetDlgItem(row.trackbar), TBM_SETRANGE, TRUE, MAKELPARAM(0, kTickCount - 1));
        ::SendMessageW(GetDlgItem(row.upDown), UDM_SETRANGE32, kFeedMin, kFeedMax);
    }
    ::SendMessageW(GetDlgItem(IDC_FORM_SPIN_PAGE_LENGTH), UDM_SETRANGE32, kPageLengthMin,
                   kPageLengthMax);
    ::SendMessageW(GetDlgItem(IDC_FORM_SPIN_LEFT_MARGIN), UDM_SETRANGE32, kLeftMarginMin,
                   kLeftMarginMax);
    ::SendMessageW(GetDlgItem(IDC_FORM_SPIN_RIGHT_MARGIN), UDM_SETRANGE32, kRightMarginMin,
                   kRightMarginMax);
    return true;
}

void CFormSettingsDlg::DoDataExchange(CDataExchange& dx) {
    const auto feeds = Feeds();
    for (int row = 0; row < kFeedCount; ++row) {
        dx.Int(kRows[row].edit, *feeds[row].feed, kFeedMin, kFeedMax);
        if (dx.Failed()) {
            return;
        }
        HWND trackbar = GetDlgItem(kRows[row].trackbar);
        if (dx.Saving()) {
            *feeds[row].tick = static_cast<int>(::SendMessageW(trackbar, TBM_GETPOS, 0, 0));
        } else {
            ::SendMessageW(trackbar, TBM_SETPOS, TRUE, *feeds[row].tick);
        }
    }
    dx.Int(IDC_FORM_PAGE_LENGTH, m_pageLength, kPageLengthMin, kPageLengthMax);
    dx.Int(IDC_FORM_LEFT_MARGIN, m_leftMargin);
    dx.Int(IDC_FORM_RIGHT_MARGIN, m_rightMargin);
}

bool CFormSettingsDlg::OnCommand(UINT code, UINT id, HWND control) {
    if (code != EN_CHANGE) {
        return false;
    }
    // Every edit of the dialog is a number box.
    if (DropNonDigits(control)) {
        return true;
    }
    for (int row = 0; row < kFeedCount; ++row) {
        if (static_cast<int>(id) == kRows[row].edit) {
            OnFeedTextChanged(row);
            return true;
        }
    }
    switch (id) {
    case IDC_FORM_PAGE_LENGTH:
        OnPageLengthTextChanged();
        return true;
    case IDC_FORM_LEFT_MARGIN:
        OnLeftMarginTextChanged();
        return true;
    case IDC_FORM_RIGHT_MARGIN:
        OnRightMarginTextChanged();
        return true;
    default:
        return false;
    }
}

bool CFormSettingsDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_HSCROLL && lParam != 0) {
        OnTrackbarScroll();
        result = 0;
        return true;
    }
    return CDialog::OnMessage(msg, wParam, lParam, result);
}

void CFormSettingsDlg::OnFeedTextChanged(int row) {
    const FeedRow& feed = kRows[row];
    HWND edit = GetDlgItem(feed.edit);
    const std::wstring text = WindowText(edit);
    if (const auto corrected = CorrectFeedText(text, ::GetFocus() == edit, feed.postcard)) {
        ReplaceText(feed.edit, *corrected);
        return;
    }
    ::SendMessageW(GetDlgItem(feed.trackbar), TBM_SETPOS, TRUE,
                   NearestTick(LeadingInteger(text), feed.postcard));
}

void CFormSettingsDlg::OnPageLengthTextChanged() {
    HWND edit = GetDlgItem(IDC_FORM_PAGE_LENGTH);
    if (const auto corrected = CorrectPageLengthText(WindowText(edit), ::GetFocus() == edit)) {
        ReplaceText(IDC_FORM_PAGE_LENGTH, *corrected);
    }
}

void CFormSettingsDlg::OnLeftMarginTextChanged() {
    HWND edit = GetDlgItem(IDC_FORM_LEFT_MARGIN);
    const auto correction = CorrectLeftMarginText(
        WindowText(edit), WindowText(GetDlgItem(IDC_FORM_RIGHT_MARGIN)), ::GetFocus() == edit);
    if (correction.reachedRight) {
        Warn(kLeftMarginMessage, L"レフトマージン幅");
    }
    if (correction.text) {
        ReplaceText(IDC_FORM_LEFT_MARGIN, *correction.text);
    }
}

void CFormSettingsDlg::OnRightMarginTextChanged() {
    HWND edit = GetDlgItem(IDC_FORM_RIGHT_MARGIN);
    const auto correction = CorrectRightMarginText(
        WindowText(edit), WindowText(GetDlgItem(IDC_FORM_LEFT_MARGIN)), ::GetFocus() == edit);
    m_rightMarginPending = correction.pending;
    if (correction.text) {
        ReplaceText(IDC_FORM_RIGHT_MARGIN, *correction.text);
    }
}

void CFormSettingsDlg::OnTrackbarScroll() {
    HWND focus = ::GetFocus();
    for (const FeedRow& row : kRows) {
        if (focus && focus == GetDlgItem(row.trackbar)) {
            const int tick = static_cast<int>(::SendMessageW(focus, TBM_GETPOS, 0, 0));
            SetDlgItemInt(m_hWnd, row.edit, static_cast<UINT>(TickValue(tick, row.postcard)), TRUE);
        }
    }
}

void CFormSettingsDlg::ReplaceText(int id, const std::wstring& text) {
    HWND edit = GetDlgItem(id);
    SetWindowTextW(edit, text.c_str());
    // The user goes on typing after the corrected text.
    const int length = GetWindowTextLengthW(edit);
    ::SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
}

void CFormSettingsDlg::Warn(const wchar_t* text, const wchar_t* caption) {
    MessageBoxW(m_hWnd, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

void CFormSettingsDlg::OnOK() {
    // The flag was set against the left margin of that moment; the left
    // margin may have changed since.
    const int left = LeadingInteger(WindowText(GetDlgItem(IDC_FORM_LEFT_MARGIN)));
    const int right = LeadingInteger(WindowText(GetDlgItem(IDC_FORM_RIGHT_MARGIN)));
    m_rightMarginPending = m_rightMarginPending && right <= left;
    if (m_rightMarginPending) {
        Warn(kRightMarginMessage, L"ライトマージン幅");
        SetDlgItemInt(m_hWnd, IDC_FORM_RIGHT_MARGIN, static_cast<UINT>(left + 1), TRUE);
        ::SetFocus(GetDlgItem(IDC_FORM_RIGHT_MARGIN));
        return;
    }
    for (const FeedRow& row : kRows) {
        if (LeadingInteger(WindowText(GetDlgItem(row.edit))) < kFeedMin) {
            Warn(row.belowMinimum, row.caption);
            SetDlgItemTextW(m_hWnd, row.edit, std::to_wstring(kFeedMin).c_str());
            return;
        }
    }
    if (!UpdateData(true)) {
        return;
    }
    if (const auto form = FormNumber(m_formName)) {
        SaveForm(Record(*form));
    }
    EndDialog(IDOK);
}

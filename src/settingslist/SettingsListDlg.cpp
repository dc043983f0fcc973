#include "settingslist/SettingsListDlg.h"

#include "framework/DisplayScale.h"
#include "framework/Dpi.h"
#include "framework/Messages.h"
#include "framework/SettingsFileDialog.h"
#include "res/resource.h"
#include "settingslist/SettingsListFile.h"

#include <commctrl.h>

namespace {

const wchar_t* const kComparisons[] = {L"工場出荷設定", L"送信済みの設定", L"設定ファイル..."};
const wchar_t* const kColumns[] = {L"ページ", L"項目", L"設定値", L"比較先"};
constexpr COLORREF kDifferText = RGB(176, 0, 0);
constexpr COLORREF kDifferBack = RGB(255, 238, 204);
constexpr int kMinColumnWidth = 64; // pixels at 96 DPI: room for the headers
// "CSVファイル (*.csv)|*.csv||" in the file dialogs' own form.
const FileKind kCsvFileKind = {L"CSVファイル (*.csv)\0*.csv\0\0", L"csv"};

void SetItemText(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
}

} // namespace

CSettingsListDlg::CSettingsListDlg(const SettingsBlock& current, const SettingsBlock& sent)
    : CDialog(IDD_SETTINGS_LIST), m_current(current), m_sent(sent) {}

CSettingsListDlg::~CSettingsListDlg() {
    if (m_boldFont) {
        DeleteObject(m_boldFont);
    }
}

HWND CSettingsListDlg::List() const {
    return GetDlgItem(IDC_SETLIST_LIST);
}

bool CSettingsListDlg::OnInitDialog() {
    CenterOverOwner();
    HWND compare = GetDlgItem(IDC_SETLIST_COMPARE);
    for (const wchar_t* text : kComparisons) {
        ::SendMessageW(compare, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ::SendMessageW(compare, CB_SETCURSEL, kFactory, 0);

    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.pszText = const_cast<wchar_t*>(kColumns[i]);
        column.iSubItem = i;
        ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&column));
    }
    MakeBoldFont();
    Refill();
    return true;
}

void CSettingsListDlg::MakeBoldFont() {
    if (m_boldFont) {
        DeleteObject(m_boldFont);
    }
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(List(), WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    font.lfWeight = FW_BOLD;
    m_boldFont = CreateFontIndirectW(&font);
}

void CSettingsListDlg::OnDpiChanged(UINT /*oldDpi*/, UINT /*newDpi*/) {
    MakeBoldFont();
    Refill();
}

bool CSettingsListDlg::OnCommand(UINT code, UINT id, HWND /*control*/) {
    if (id == IDC_SETLIST_COMPARE && code == CBN_SELCHANGE) {
        ChooseComparison();
        return true;
    }
    if (id == IDC_SETLIST_DIFF_ONLY && code == BN_CLICKED) {
        Refill();
        return true;
    }
    if (id == IDC_SETLIST_SAVE && code == BN_CLICKED) {
        SaveCsv();
        return true;
    }
    return false;
}

bool CSettingsListDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_SETLIST_LIST || header.code != NM_CUSTOMDRAW) {
        return false;
    }
    result = DrawRow(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    return true;
}

LRESULT CSettingsListDlg::DrawRow(NMLVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) {
        return CDRF_DODEFAULT;
    }
    const auto row = static_cast<std::size_t>(draw.nmcd.lItemlParam);
    if (row >= m_rows.size() || !m_rows[row].differs) {
        return CDRF_DODEFAULT;
    }
    draw.clrText = kDifferText;
    draw.clrTextBk = kDifferBack;
    if (m_boldFont) {
        SelectObject(draw.nmcd.hdc, m_boldFont);
    }
    return CDRF_NEWFONT;
}

void CSettingsListDlg::ChooseComparison() {
    HWND compare = GetDlgItem(IDC_SETLIST_COMPARE);
    const int chosen = static_cast<int>(::SendMessageW(compare, CB_GETCURSEL, 0, 0));
    if (chosen == kFile) {
        std::wstring path;
        std::optional<SettingsBlock> block;
        if (AskSettingsFileName(m_hWnd, false, path)) {
            block = ReadSettingsFileOrSay(m_hWnd, path);
        }
        if (!block) {
            ::SendMessageW(compare, CB_SETCURSEL, static_cast<WPARAM>(m_comparison), 0);
            return;
        }
        m_file = *block;
        m_filePath = path;
    }
    if (chosen == kFactory || chosen == kSent || chosen == kFile) {
        m_comparison = chosen;
    }
    Refill();
}

void CSettingsListDlg::Refill() {
    const SettingsBlock& other = m_comparison == kFile   ? m_file
                                 : m_comparison == kSent ? m_sent
                                                         : FactoryBlock();
    m_rows = CompareSettings(m_current, other);

    HWND list = List();
    const bool differentOnly = IsDlgButtonChecked(m_hWnd, IDC_SETLIST_DIFF_ONLY) == BST_CHECKED;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    int shown = 0;
    int differing = 0;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const ComparedRow& row = m_rows[i];
        differing += row.differs ? 1 : 0;
        if (differentOnly && !row.differs) {
            continue;
        }
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = shown;
        item.pszText = const_cast<wchar_t*>(row.page.c_str());
        item.lParam = static_cast<LPARAM>(i);
        const int at = static_cast<int>(
            ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        SetItemText(list, at, 1, row.label);
        SetItemText(list, at, 2, row.value);
        SetItemText(list, at, 3, row.other);
        ++shown;
    }
    // Room for the widest text in bold, which the measure of the plain font misses.
    const UINT dpi = WindowDpi(m_hWnd);
    const int minWidth = ScaleToDpi(kMinColumnWidth, dpi);
    for (int column = 0; column < static_cast<int>(std::size(kColumns)); ++column) {
        ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
        const int width = ListView_GetColumnWidth(list, column) * 11 / 10 + ScaleToDpi(8, dpi);
        ListView_SetColumnWidth(list, column, width < minWidth ? minWidth : width);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);

    std::wstring summary = L"相違のある項目： " + std::to_wstring(differing) + L"件";
    if (m_comparison == kFile) {
        summary += L"　　比較先のファイル： " + m_filePath;
    }
    SetDlgItemTextW(m_hWnd, IDC_SETLIST_SUMMARY, summary.c_str());
}

void CSettingsListDlg::SaveCsv() {
    std::wstring path;
    if (!AskFileName(m_hWnd, true, kCsvFileKind, path)) {
        return;
    }
    if (!WriteSettingsListFile(path, m_rows)) {
        ShowMessage(m_hWnd, kSettingsListNotSavedText, MB_OK | MB_ICONSTOP);
    }
}

#include "printer/PrinterSelectDlg.h"

#include "framework/DisplayScale.h"
#include "framework/Dpi.h"
#include "framework/Messages.h"
#include "printer/Spooler.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {

const wchar_t kNoPrinters[] =
    L"使用可能なプリンタがありませんでした。プリンタドライバを確認してから"
    L"やり直してください。\n\nSwitchboardを終了します。";
const wchar_t kOnlyFilePorts[] =
    L"インストールされているプリンタの接続先がFILEのため設定値を送信できません。\n"
    L"プリンタ設定を確認してやり直してください。\n\nSwitchboardを終了します。";
const wchar_t kNoSelection[] = L"プリンタが選択されていません。\nプリンタを選択してください。";
const wchar_t kFilePortOnlyRow[] = L"接続先がFILEのため設定値を送信できません。\n"
                                   L"プリンタ設定を確認してやり直してください。\n\n"
                                   L"Switchboardを終了します。";
const wchar_t kFilePortChooseOther[] =
    L"接続先がFILEのため設定値を送信できません。\n"
    L"プリンタ設定を変更するか、他のプリンタに変更してください。";

std::wstring ItemText(HWND list, int row, int column) {
    wchar_t buffer[512] = {};
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    return buffer;
}

// The columns' widths at 96 DPI.
constexpr int kNameWidth = 200;
constexpr int kPortWidth = 90;

void InsertColumn(HWND list, int index, const wchar_t* title, int width) {
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    column.iSubItem = index;
    ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&column));
}

} // namespace

CPrinterSelectDlg::CPrinterSelectDlg() : CDialog(IDD_PRINTER_SELECT) {}

INT_PTR CPrinterSelectDlg::Choose(HWND owner) {
    std::vector<PrinterRow> rows = ListModelPrinters(IsNtPlatform());
    if (DecideAfterListing(rows, m_startupComplete) == ListOutcome::AcceptAtOnce &&
        DecideOk(rows, 0) == OkOutcome::Accept) {
        m_printerCount = 1;
        m_selectedName = rows.front().name;
        m_selectedPort = rows.front().port;
        return IDOK;
    }
    m_listed = std::move(rows);
    const INT_PTR result = DoModal(owner);
    m_listed.reset();
    return result;
}

void CPrinterSelectDlg::OnDpiChanged(UINT /*oldDpi*/, UINT newDpi) {
    ListView_SetColumnWidth(List(), 0, ScaleToDpi(kNameWidth, newDpi));
    ListView_SetColumnWidth(List(), 1, ScaleToDpi(kPortWidth, newDpi));
}

bool CPrinterSelectDlg::OnInitDialog() {
    CenterOverOwner();
    HWND list = List();
    const UINT dpi = WindowDpi(m_hWnd);
    InsertColumn(list, 0, L"プリンタ名", ScaleToDpi(kNameWidth, dpi));
    InsertColumn(list, 1, L"接続先", ScaleToDpi(kPortWidth, dpi));
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);

    for (const PrinterRow& row : m_listed ? *m_listed : ListModelPrinters(IsNtPlatform())) {
        AddRow(row);
    }
    m_listed.reset();
    const std::vector<PrinterRow> rows = Rows();
    m_printerCount = static_cast<unsigned>(rows.size());
    if (rows.empty()) {
        EndProgram(kNoPrinters);
    }

    const int preselected = PreselectedRow(rows, m_selectedName);
    ListView_SetItemState(list, preselected, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, preselected, FALSE);

    switch (DecideAfterListing(rows, m_startupComplete)) {
    case ListOutcome::AcceptAtOnce:
        OnOK();
        break;
    case ListOutcome::OnlyFilePorts:
        EndProgram(kOnlyFilePorts);
    case ListOutcome::NoPrinters: // handled above
    case ListOutcome::WaitForUser:
        break;
    }
    SetFocus(list);
    return false;
}

void CPrinterSelectDlg::AddRow(const PrinterRow& row) {
    HWND list = List();
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<wchar_t*>(row.name.c_str());
    // The list sorts itself: the index it returns is where the row went.
    const int index =
        static_cast<int>(::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index >= 0) {
        ListView_SetItemText(list, index, 1, const_cast<wchar_t*>(row.port.c_str()));
    }
}

std::vector<PrinterRow> CPrinterSelectDlg::Rows() const {
    HWND list = List();
    std::vector<PrinterRow> rows;
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        rows.push_back({ItemText(list, i, 0), ItemText(list, i, 1)});
    }
    return rows;
}

int CPrinterSelectDlg::SelectedRow() const {
    return ListView_GetNextItem(List(), -1, LVNI_SELECTED);
}

bool CPrinterSelectDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_PRINTER_LIST && header.code == NM_DBLCLK && SelectedRow() >= 0) {
        OnOK();
        result = 0;
        return true;
    }
    return false;
}

void CPrinterSelectDlg::OnOK() {
    const std::vector<PrinterRow> rows = Rows();
    const int selected = SelectedRow();
    if (selected >= 0 && selected < static_cast<int>(rows.size())) {
        m_selectedName = rows[static_cast<std::size_t>(selected)].name;
        m_selectedPort = rows[static_cast<std::size_t>(selected)].port;
    }
    switch (DecideOk(rows, selected)) {
    case OkOutcome::NoSelection:
        ShowMessage(m_hWnd, kNoSelection, MB_OK | MB_ICONEXCLAMATION);
        break;
    case OkOutcome::Accept:
        EndDialog(IDOK);
        break;
    case OkOutcome::FilePortOnlyRow:
        EndProgram(kFilePortOnlyRow);
    case OkOutcome::FilePortChooseOther:
        ShowMessage(m_hWnd, kFilePortChooseOther, MB_OK | MB_ICONINFORMATION);
        break;
    }
}

void CPrinterSelectDlg::EndProgram(const wchar_t* text) const {
    ShowMessage(m_hWnd, text, MB_OK | MB_ICONEXCLAMATION);
    ExitProcess(1);
}

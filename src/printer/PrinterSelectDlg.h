#pragma once
// The printer selection dialog: lists the usable printers of the model with
// their ports and returns the one the user takes. While the program starts it
// takes a single printer by itself; where no usable printer exists it ends
// the program.

#include "framework/Dialog.h"
#include "printer/PrinterChoice.h"

#include <optional>
#include <string>
#include <vector>

class CPrinterSelectDlg : public CDialog {
public:
    CPrinterSelectDlg();

    // Lists the printers and runs the dialog with them. When the program
    // starts with a single usable printer the dialog would take it at once,
    // unseen; that choice is then made without creating the window at all.
    INT_PTR Choose(HWND owner);

    // Set by the owner before every run: false while the main window starts.
    bool m_startupComplete = false;
    // Out: the number of printers listed in the last run.
    unsigned m_printerCount = 0;
    // In: the printer to preselect and its port; out: the row OK took.
    std::wstring m_selectedName;
    std::wstring m_selectedPort;

protected:
    bool OnInitDialog() override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    void OnOK() override;

private:
    HWND List() const { return GetDlgItem(1069); }
    void AddRow(const PrinterRow& row);
    // The rows as the list shows them, sorted by name.
    std::vector<PrinterRow> Rows() const;
    int SelectedRow() const;
    // Shows the message and ends the process at once with exit code 1.
    [[noreturn]] void EndProgram(const wchar_t* text) const;

    // The printers Choose listed, for the run it starts; otherwise the run lists them.
    std::optional<std::vector<PrinterRow>> m_listed;
};

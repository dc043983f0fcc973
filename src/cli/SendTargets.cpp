#include "cli/SendTargets.h"

#include "cli/CommandLine.h"
#include "cli/SendTexts.h"

#include <algorithm>

namespace {

std::wstring PrinterLine(const std::wstring& printer, const wchar_t* text) {
    return printer + L": " + text;
}

} // namespace

SendTargets ChooseSendTargets(const std::vector<PrinterRow>& listed,
                              const std::vector<std::wstring>& requested) {
    SendTargets result;
    if (listed.empty()) {
        result.exitCode = kExitNoPrinter;
        result.lines.push_back(L"使用可能なプリンタがありませんでした。"
                               L"プリンタドライバを確認してからやり直してください。");
        return result;
    }
    std::vector<std::wstring> names = requested;
    if (names.empty()) {
        if (listed.size() > 1) {
            result.exitCode = kExitNoPrinter;
            result.lines.push_back(
                L"使用可能なプリンタが複数あります。/printer で送信先を指定してください。");
            return result;
        }
        names.push_back(listed.front().name);
    }
    bool notListed = false;
    bool filePort = false;
    for (const std::wstring& name : names) {
        const auto row = std::find_if(listed.begin(), listed.end(), [&](const PrinterRow& r) {
            return SamePrinterName(r.name, name);
        });
        // A listed printer is sent to under its own spelling, once.
        const std::wstring& target = row == listed.end() ? name : row->name;
        if (std::find(result.names.begin(), result.names.end(), target) != result.names.end()) {
            continue;
        }
        if (row == listed.end()) {
            notListed = true;
            result.lines.push_back(PrinterLine(name, L"使用可能なプリンタの中に見つかりません。"));
        } else if (IsFilePort(row->port)) {
            filePort = true;
            result.lines.push_back(PrinterLine(target, kFilePortText));
        }
        result.names.push_back(target);
    }
    if (notListed || filePort) {
        result.exitCode = notListed ? kExitNoPrinter : kExitFilePort;
        result.names.clear();
        // The printers named rightly get nothing either; the lines above do not say so.
        result.lines.push_back(L"どのプリンタにも送信しませんでした。");
    }
    return result;
}

std::wstring SentLine(const std::wstring& printer) {
    return PrinterLine(printer, kSentText);
}

std::wstring SendFailedLine(const std::wstring& printer) {
    return PrinterLine(printer, kPrinterUnusableText);
}

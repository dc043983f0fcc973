#include "printer/PrinterChoice.h"

#include <gtest/gtest.h>

namespace {

const PrinterRow kLpt{L"B 44QX", L"LPT1:"};
const PrinterRow kFile{L"A 44QX file", L"FILE:"};
const PrinterRow kUsb{L"C 44QX", L"USB001"};

TEST(PrinterChoice, DriverAndPortComparisonsAreExact) {
    EXPECT_TRUE(IsModelDriver(L"Korrin Vellatype 44QX"));
    EXPECT_FALSE(IsModelDriver(L"korrin vellatype 44qx"));
    EXPECT_FALSE(IsModelDriver(L"Korrin Vellatype 44QX "));
    EXPECT_TRUE(IsFilePort(L"FILE:"));
    EXPECT_FALSE(IsFilePort(L"file:"));
    EXPECT_TRUE(NeedsIntervention(0x00100000 | 0x2));
    EXPECT_FALSE(NeedsIntervention(0x2));
    EXPECT_EQ(ConnectionColumn(0x10, L"\\\\srv", L"LPT1:"), L"\\\\srv");
    EXPECT_EQ(ConnectionColumn(0x10 | 0x40, L"\\\\srv", L"LPT1:"), L"LPT1:");
}

TEST(PrinterChoice, ListOutcomeDuringAndAfterStartup) {
    EXPECT_EQ(DecideAfterListing({}, false), ListOutcome::NoPrinters);
    EXPECT_EQ(DecideAfterListing({}, true), ListOutcome::NoPrinters);
    // A single printer is taken without asking only while the program starts;
    // the OK handling then refuses a "FILE:" port by ending the program.
    EXPECT_EQ(DecideAfterListing({kLpt}, false), ListOutcome::AcceptAtOnce);
    EXPECT_EQ(DecideAfterListing({kFile}, false), ListOutcome::AcceptAtOnce);
    EXPECT_EQ(DecideOk({kFile}, 0), OkOutcome::FilePortOnlyRow);
    EXPECT_EQ(DecideAfterListing({kFile}, true), ListOutcome::OnlyFilePorts);
    EXPECT_EQ(DecideAfterListing({kLpt}, true), ListOutcome::WaitForUser);
    EXPECT_EQ(DecideAfterListing({kFile, kFile}, false), ListOutcome::OnlyFilePorts);
    EXPECT_EQ(DecideAfterListing({kFile, kLpt}, false), ListOutcome::WaitForUser);
}

TEST(PrinterChoice, OkAndCancel) {
    const std::vector<PrinterRow> rows{kFile, kLpt, kUsb};
    EXPECT_EQ(DecideOk(rows, -1), OkOutcome::NoSelection);
    EXPECT_EQ(DecideOk(rows, 3), OkOutcome::NoSelection);
    EXPECT_EQ(DecideOk(rows, 0), OkOutcome::FilePortChooseOther);
    EXPECT_EQ(DecideOk(rows, 1), OkOutcome::Accept);

    EXPECT_EQ(PreselectedRow(rows, L"C 44QX"), 2);
    EXPECT_EQ(PreselectedRow(rows, L""), 0);
    EXPECT_EQ(PreselectedRow(rows, L"gone"), 0);
    EXPECT_EQ(PreselectedRow({}, L""), -1);

    EXPECT_TRUE(CancelEndsProgram(L"", L"", true));
    EXPECT_TRUE(CancelEndsProgram(L"A 44QX file", L"FILE:", false));
    EXPECT_FALSE(CancelEndsProgram(L"A 44QX file", L"FILE:", true));
    EXPECT_FALSE(CancelEndsProgram(L"B 44QX", L"LPT1:", false));
}

} // namespace

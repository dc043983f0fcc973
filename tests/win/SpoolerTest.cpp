#include "TestPrinters.h"
#include "printer/Spooler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

namespace {

constexpr wchar_t kMarker[] = L"Switchboard Spooler Test";

// What the program asked the spooler for, and the faults to put in its way.
struct SpoolerWatch {
    std::wstring dataType;
    int ends = 0;
    int aborts = 0;
    DWORD writeLimit = kBlockSize; // bytes the printer takes of a write
    BOOL writeResult = TRUE;
    BOOL endResult = TRUE;             // what EndDocPrinter answers after ending the job
    bool addPrinterBeforeData = false; // a printer appears between size and data query
} g_watch;

BOOL WINAPI WatchEnum(DWORD flags, LPWSTR name, DWORD level, LPBYTE data, DWORD size,
                      LPDWORD needed, LPDWORD count) {
    if (data && g_watch.addPrinterBeforeData) {
        g_watch.addPrinterBeforeData = false;
        InstallPrinterKey({L"Added meanwhile", L"Korrin Vellatype 44QX", L"LPT1:"}, kMarker);
    }
    return EnumPrintersW(flags, name, level, data, size, needed, count);
}

DWORD WINAPI WatchStartDoc(HANDLE printer, DWORD level, LPBYTE info) {
    const wchar_t* dataType = reinterpret_cast<DOC_INFO_1W*>(info)->pDatatype;
    g_watch.dataType = dataType ? dataType : L"(none)";
    return StartDocPrinterW(printer, level, info);
}

BOOL WINAPI WatchWrite(HANDLE printer, LPVOID data, DWORD size, LPDWORD written) {
    return WritePrinter(printer, data, std::min(size, g_watch.writeLimit), written) &&
           g_watch.writeResult;
}

BOOL WINAPI WatchEnd(HANDLE printer) {
    ++g_watch.ends;
    return EndDocPrinter(printer) && g_watch.endResult;
}

BOOL WINAPI WatchAbort(HANDLE printer) {
    ++g_watch.aborts;
    return AbortPrinter(printer);
}

const SpoolerCalls kWatchingSpooler{WatchEnum,     OpenPrinterW,  GetPrinterW,
                                    WatchStartDoc, ResetPrinterW, WatchWrite,
                                    WatchEnd,      WatchAbort,    ClosePrinter};

class SpoolerTest : public ::testing::Test {
protected:
    // The listing tests count printers: one left behind by another layer's test (the Windows
    // and the end-to-end tests share the prefix) is named and removed first.
    void SetUp() override {
        for (const std::wstring& name : MarkedPrinters(nullptr)) {
            std::wcerr << L"removing a printer left by an earlier test: " << name << L"\n";
            RemovePrinterKey(name);
        }
    }
    void Install(const std::vector<TestPrinter>& printers) {
        for (const TestPrinter& printer : printers) {
            InstallPrinterKey(printer, kMarker);
        }
    }
    void TearDown() override {
        for (const std::wstring& name : MarkedPrinters(kMarker)) {
            RemovePrinterKey(name);
        }
        UnmapPort(L"LPT2:");
        g_watch = SpoolerWatch();
    }
};

TEST_F(SpoolerTest, ListsOnlyUsablePrintersOfTheModel) {
    Install({
        {L"Model on LPT1", L"Korrin Vellatype 44QX", L"LPT1:"},
        {L"Model on FILE", L"Korrin Vellatype 44QX", L"FILE:"},
        {L"Other model", L"Generic Text", L"LPT1:"},
        {L"Wrong case", L"korrin vellatype 44qx", L"LPT1:"},
    });
    for (bool nt : {true, false}) {
        std::vector<PrinterRow> rows = ListModelPrinters(nt);
        ASSERT_EQ(rows.size(), 2u) << (nt ? "NT" : "other");
        std::sort(rows.begin(), rows.end(),
                  [](const PrinterRow& a, const PrinterRow& b) { return a.name < b.name; });
        EXPECT_EQ(rows[0].name, L"Model on FILE");
        EXPECT_EQ(rows[0].port, L"FILE:");
        EXPECT_EQ(rows[1].name, L"Model on LPT1");
        EXPECT_EQ(rows[1].port, L"LPT1:");
    }
}

TEST_F(SpoolerTest, SendsExactlyTheBlockAsOneRawJob) {
    const std::wstring out = TempUnixPath(L"spooler-test-lpt2.out");
    DeleteFileW(WindowsPathOf(out).c_str());
    Install({{L"Model", L"Korrin Vellatype 44QX", L"LPT2:"}});
    MapPortToFile(L"LPT2:", out);

    SettingsBlock block = FactoryBlock();
    block.bytes[4] = 0x08;
    for (bool nt : {true, false}) {
        ASSERT_TRUE(SendSettingsJob(L"Model", block, nt, kWatchingSpooler));
        const std::vector<unsigned char> sent = ReadFileBytes(WindowsPathOf(out));
        ASSERT_EQ(sent.size(), kBlockSize);
        EXPECT_TRUE(std::equal(sent.begin(), sent.end(), block.bytes.begin()));
        // Whatever the queue's default, the bytes pass through unrendered.
        EXPECT_EQ(g_watch.dataType, L"RAW");
    }
    EXPECT_EQ(g_watch.aborts, 0);
    EXPECT_FALSE(SendSettingsJob(L"No such printer", block, true));
    DeleteFileW(WindowsPathOf(out).c_str());
}

TEST_F(SpoolerTest, AbortsAJobThatDidNotTakeEveryByte) {
    Install({{L"Model", L"Korrin Vellatype 44QX", L"LPT2:"}});
    MapPortToFile(L"LPT2:", TempUnixPath(L"spooler-test-lpt2.out"));
    const struct {
        DWORD limit;
        BOOL result;
    } faults[] = {{100, TRUE}, {kBlockSize, FALSE}, {0, FALSE}};
    for (const auto& fault : faults) {
        g_watch = SpoolerWatch();
        g_watch.writeLimit = fault.limit;
        g_watch.writeResult = fault.result;
        EXPECT_FALSE(SendSettingsJob(L"Model", FactoryBlock(), true, kWatchingSpooler))
            << fault.limit;
        EXPECT_EQ(g_watch.aborts, 1) << fault.limit;
        EXPECT_EQ(g_watch.ends, 0) << fault.limit;
    }
}

TEST_F(SpoolerTest, AJobThatDidNotEndIsNotSent) {
    Install({{L"Model", L"Korrin Vellatype 44QX", L"LPT2:"}});
    MapPortToFile(L"LPT2:", TempUnixPath(L"spooler-test-lpt2.out"));
    g_watch.endResult = FALSE;
    EXPECT_FALSE(SendSettingsJob(L"Model", FactoryBlock(), true, kWatchingSpooler));
    EXPECT_EQ(g_watch.ends, 1);
}

TEST_F(SpoolerTest, ListingAsksAgainWhenAPrinterIsAddedBetweenTheTwoQueries) {
    for (bool nt : {true, false}) {
        Install({{L"Model on LPT1", L"Korrin Vellatype 44QX", L"LPT1:"}});
        g_watch.addPrinterBeforeData = true;
        EXPECT_EQ(ListModelPrinters(nt, kWatchingSpooler).size(), 2u) << (nt ? "NT" : "other");
        RemovePrinterKey(L"Added meanwhile");
    }
}

} // namespace

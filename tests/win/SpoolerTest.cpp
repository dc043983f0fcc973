#include "TestPrinters.h"
#include "printer/Spooler.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SpoolerTest : public ::testing::Test {
protected:
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
    }

    static constexpr wchar_t kMarker[] = L"Switchboard Spooler Test";
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
        ASSERT_TRUE(SendSettingsJob(L"Model", block, nt));
        const std::vector<unsigned char> sent = ReadFileBytes(WindowsPathOf(out));
        ASSERT_EQ(sent.size(), kBlockSize);
        EXPECT_TRUE(std::equal(sent.begin(), sent.end(), block.bytes.begin()));
    }
    EXPECT_FALSE(SendSettingsJob(L"No such printer", block, true));
    DeleteFileW(WindowsPathOf(out).c_str());
}

} // namespace

#include "ProgramTest.h"

namespace e2e {
namespace {

class WineSettings : public ::testing::Environment {
public:
    void SetUp() override { SetProgramWindowsUnmanaged(true); }
    void TearDown() override { SetProgramWindowsUnmanaged(false); }
};

const auto* const kWineSettings = ::testing::AddGlobalTestEnvironment(new WineSettings);

} // namespace

void ProgramTest::SetUp() {
    ASSERT_FALSE(ProgramPath().empty()) << "KVSWBD_EXE names no program";
    ASSERT_EQ(RunningProgramCount(), 0) << "a program of an earlier test still runs";
    ASSERT_TRUE(printers.Add({kDefaultPrinter}));
    ASSERT_TRUE(app.Start()) << "the main window did not appear";
}

void ProgramTest::TearDown() {
    app.End();
    EXPECT_EQ(RunningProgramCount(), 0);
}

} // namespace e2e

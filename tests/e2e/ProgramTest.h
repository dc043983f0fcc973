// The fixture of most scenarios: one printer of the model on a port mapped to a file, the
// program started with its main window in front, and, whatever happens in the test, the
// program ended and the printers removed afterwards.
#pragma once

#include "Harness.h"
#include "Printers.h"

#include <gtest/gtest.h>

namespace e2e {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Printers printers;
    Program app; // declared last: ends before the printers go
};

} // namespace e2e

#pragma once
// The base of a GoogleTest fixture that opens the program's windows without the main window:
// scripted services, the frame state as start-up finds it before and after every test, and
// a record of the quiz buttons the activity credits pressed. A fixture that sets more up
// calls FrameTest::SetUp() first and FrameTest::TearDown() last. (The road programs, which
// drive the windows from the main window, have RoadTest.)
#include "app/basGlobal.h"
#include "platform/testing/ScriptedServices.h"

#include <gtest/gtest.h>

#include <vector>

namespace lx::testing {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        basGlobal::ResetFrameState();
        basGlobal::Hooks().pressQuizButton = [this](int n) { pressed.push_back(n); };
    }
    void TearDown() override { basGlobal::ResetFrameState(); }

    ScriptedServices scripted;
    std::vector<int> pressed;   // the quiz buttons the credits pressed, in order
};

} // namespace lx::testing

// The power lock's gestures against a clock the test sets.
#include <gtest/gtest.h>

#include <vector>

#include "shell/power_lock.h"

namespace m742 {
namespace {

enum class Click { kLowMax, kHighMax, kLockButton };

struct Step {
    Click click;
    double at;  // seconds since midnight
};

struct GestureCase {
    const char* name;
    bool startUnlocked;
    std::vector<Step> steps;
    int unlocked;  // PowerUnlock after the last step
};

class PowerLockTest : public ::testing::TestWithParam<GestureCase> {};

TEST_P(PowerLockTest, Gesture) {
    const GestureCase& c = GetParam();
    double now = 0;
    PowerLock lock([&now] { return now; });
    if (c.startUnlocked) {
        now = 100;
        lock.LowMaxLabelClick();
        lock.HighMaxLabelClick();
        ASSERT_EQ(lock.PowerUnlock(), 1);
    }
    for (const Step& step : c.steps) {
        now = step.at;
        switch (step.click) {
            case Click::kLowMax:
                lock.LowMaxLabelClick();
                break;
            case Click::kHighMax:
                lock.HighMaxLabelClick();
                break;
            case Click::kLockButton:
                lock.PowerLockClick();
                break;
        }
    }
    EXPECT_EQ(lock.PowerUnlock(), c.unlocked);
}

constexpr Click L = Click::kLowMax;
constexpr Click H = Click::kHighMax;
constexpr Click B = Click::kLockButton;

INSTANTIATE_TEST_SUITE_P(
    Cases, PowerLockTest,
    ::testing::Values(
        GestureCase{"StartsLocked", false, {}, 0},
        GestureCase{"LowThenHigh", false, {{L, 1000.2}, {H, 1003.9}}, 1},
        GestureCase{"HighThenLow", false, {{H, 1000}, {L, 1005}}, 1},
        GestureCase{"OneLabelTwice", false, {{L, 1000}, {L, 1001}}, 0},
        // 6 s apart: the second click starts a new attempt, which a third click completes.
        GestureCase{"TooSlow", false, {{L, 1000}, {H, 1006}}, 0},
        GestureCase{"TooSlowThenQuick", false, {{L, 1000}, {H, 1006}, {L, 1008}}, 1},
        // The first click's time is rounded: 1000.6 counts as 1001, so 1006.0 is still in time.
        GestureCase{"RoundedFirstClick", false, {{L, 1000.6}, {H, 1006.0}}, 1},
        GestureCase{"HalfRoundsToEven", false, {{L, 1000.5}, {H, 1005.9}}, 0},
        GestureCase{"LockTwoQuickClicks", true, {{B, 2000.1}, {B, 2000.8}}, 0},
        GestureCase{"LockClicksTwoSecondsApart", true, {{B, 2000}, {B, 2002}}, 1},
        GestureCase{"LockSecondPairCounts", true, {{B, 2000}, {B, 2002}, {B, 2002.5}}, 0},
        GestureCase{"OneLockClick", true, {{B, 2000}}, 1},
        GestureCase{
            "LockThenUnlockAgain", true, {{B, 2000}, {B, 2000.5}, {L, 2100}, {H, 2101}}, 1}),
    [](const ::testing::TestParamInfo<GestureCase>& info) { return info.param.name; });

TEST(PowerLockClicks, ReportTheChange) {
    double now = 500;
    PowerLock lock([&now] { return now; });
    EXPECT_FALSE(lock.HighMaxLabelClick());
    now = 502;
    EXPECT_TRUE(lock.LowMaxLabelClick());
    EXPECT_FALSE(lock.PowerLockClick());
    now = 502.5;
    EXPECT_TRUE(lock.PowerLockClick());
    EXPECT_EQ(lock.PowerUnlock(), 0);
}

}  // namespace
}  // namespace m742

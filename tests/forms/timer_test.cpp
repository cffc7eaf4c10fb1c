#include <gtest/gtest.h>

#include <algorithm>

#include "forms/timer.h"
#include "test_form.h"

namespace {

class TimedForm : public TestForm {
public:
    explicit TimedForm(std::function<void()> onTick)
        : timer(*this, forms::TimerDesign().Interval(10).Enabled(true), std::move(onTick)) {}
    forms::Timer timer;
};

}  // namespace

TEST(Timer, TicksOneAtATimeWhileItsFormIsLoaded) {
    // A second timer of the same interval tells how many ticks the first one had time for.
    int clockTicks = 0;
    TimedForm clock([&] { ++clockTicks; });
    clock.Load();
    const auto waitTicks = [&](int count) {
        const int until = clockTicks + count;
        return PumpUntil([&] { return clockTicks >= until; });
    };
    int ticks = 0, depth = 0, deepest = 0;
    TimedForm form([&] {
        deepest = std::max(deepest, ++depth);
        // The first tick pumps until its own timer has come due again, as a yield would.
        if (++ticks == 1) {
            EXPECT_TRUE(waitTicks(5));
        }
        --depth;
    });
    form.timer.SetEnabled(true);
    EXPECT_TRUE(form.IsLoaded()) << "touching the timer loads its form";
    ASSERT_TRUE(PumpUntil([&] { return ticks > 3; }));
    EXPECT_EQ(deepest, 1);
    form.Unload();
    const int atUnload = ticks;
    ASSERT_TRUE(waitTicks(5));
    EXPECT_EQ(ticks, atUnload);
}

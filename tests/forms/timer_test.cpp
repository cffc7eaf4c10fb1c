#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/timer.h"
#include "test_form.h"

namespace {

class TimedForm : public TestForm {
public:
    explicit TimedForm(std::function<void()> onTick) : timer(*this, 10, true, std::move(onTick)) {}
    forms::Timer timer;
};

}  // namespace

TEST(Timer, TicksWhileLoadedAndStopsWithItsForm) {
    int ticks = 0;
    TimedForm form([&] { ++ticks; });
    form.Load();
    PumpFor(200);
    EXPECT_GT(ticks, 3);
    form.Unload();
    const int atUnload = ticks;
    PumpFor(200);
    EXPECT_EQ(ticks, atUnload);
}

TEST(Timer, DisabledTimerDoesNotTick) {
    int ticks = 0;
    TimedForm form([&] { ++ticks; });
    form.timer.SetEnabled(false);
    EXPECT_TRUE(form.IsLoaded()) << "touching the timer loads its form";
    PumpFor(150);
    EXPECT_EQ(ticks, 0);
    form.timer.SetEnabled(true);
    PumpFor(150);
    EXPECT_GT(ticks, 0);
    form.Unload();
}

TEST(Timer, TicksDoNotNestInsideAYield) {
    int depth = 0, deepest = 0, ticks = 0;
    TimedForm form([&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 60) {
            forms::YieldMessages();
            Sleep(5);
        }
        --depth;
    });
    form.Load();
    PumpFor(300);
    form.Unload();
    EXPECT_GT(ticks, 1);
    EXPECT_EQ(deepest, 1);
}

#include <gtest/gtest.h>

#include "forms/handles.h"
#include "forms/run_time_error.h"
#include "forms/single_instance.h"

// A name held by something that is not the program's lock is no running copy:
// the start reports it instead of ending in silence.
TEST(SingleInstance, ALockThatCannotBeCreatedIsARunTimeError) {
    forms::OwnedKernelHandle other(CreateEventW(nullptr, TRUE, FALSE, L"Local\\Vistak.SingleInstance"));
    ASSERT_TRUE(other);
    EXPECT_THROW(forms::ClaimSingleInstance(), forms::RunTimeError);
}

#include <gtest/gtest.h>

#include "forms/handles.h"
#include "forms/run_time_error.h"
#include "forms/single_instance.h"

// A name held by something that is not the program's lock is no running copy:
// the start reports it instead of ending in silence.
TEST(SingleInstance, ALockThatCannotBeCreatedIsARunTimeError) {
    const wchar_t* const name = L"Local\\VistakTest.SingleInstance";
    forms::OwnedKernelHandle other(CreateEventW(nullptr, TRUE, FALSE, name));
    ASSERT_TRUE(other);
    EXPECT_THROW(forms::ClaimSingleInstance(name), forms::RunTimeError);
}

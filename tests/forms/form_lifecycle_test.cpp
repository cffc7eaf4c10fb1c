#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/controls.h"
#include "test_form.h"

TEST(FormLifecycle, FirstReferenceLoadsOnceAndYieldRunsTheWaitingClickAndSystemClose) {
    TestForm form;
    EXPECT_FALSE(form.IsLoaded());
    HWND window = form.Handle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window)) << "loading must not show the form";
    form.Load();
    EXPECT_EQ(form.loads, 1);
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    PostMessageW(window, WM_CLOSE, 0, 0);
    // A look at the queue that leaves the messages there (a menu's or a message box's own loop
    // does so): they are still waiting, and the yield must dispatch them.
    MSG waiting;
    ASSERT_TRUE(PeekMessageW(&waiting, window, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(form.clicks, 0);
    forms::YieldMessages();
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form.IsLoaded());
    form.Handle();
    EXPECT_EQ(form.loads, 2) << "a reference after unload creates the form afresh";
}

TEST(FormLifecycle, ActivationFiresOnceUntilAnotherFormOfTheProgramWasActive) {
    TestForm first, second;
    first.Show();
    ASSERT_TRUE(PumpUntil([&] { return first.activations == 1; }));
    first.Show();
    second.Show();
    ASSERT_TRUE(PumpUntil([&] { return second.activations == 1; }));
    EXPECT_EQ(first.activations, 1) << "showing an active form again is no new activation";
    first.Show();
    EXPECT_TRUE(PumpUntil([&] { return first.activations == 2; }));
}

namespace {

// A text box keeps references to its placement and font.
const forms::Placement kBoxPlace{0, 0, 300, 300};
const forms::FontDesign kFont{"Arial", 8};

class FormWithTextBox : public forms::Form {
public:
    FormWithTextBox() : Form(kTestDesign) {}
    forms::TextBox box{*this, kBoxPlace, kFont, [](int) {}};
};

}  // namespace

TEST(FormControls, FocusOnAHiddenFormIsAnError) {
    FormWithTextBox form;
    form.Load();
    EXPECT_EQ(ErrorNumber([&] { form.box.SetFocus(); }), 5) << "focus on a hidden form must fail";
    form.Show();
    form.box.SetFocus();
    EXPECT_EQ(GetFocus(), form.box.Handle());
    form.Unload();
    EXPECT_EQ(form.box.Handle(), nullptr);
}

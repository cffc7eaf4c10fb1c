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

// Controls keep their designs, so these live as long as the test.
const forms::ButtonDesign kButton = forms::ButtonDesign().Width(600).Height(300).Font({"Arial", 8});
const forms::ButtonDesign kFirst = kButton.Left(0).TabIndex(0), kSecond = kButton.Left(700).TabIndex(1),
                          kThird = kButton.Left(1400).TabIndex(2);
const forms::BoxDesign kBox = forms::BoxDesign().Top(400).Width(1500).Height(600).TabIndex(3);
const forms::LabelDesign kBoxed = forms::LabelDesign().Caption("boxed").Width(900).Height(300).TabIndex(4);

// Declared out of tab order, and the label before the box that holds it.
class FormInTabOrder : public TestForm {
public:
    forms::Button third{*this, kThird, [] {}};
    forms::Label label{*this, kBoxed, &box};
    forms::Button first{*this, kFirst, [] {}};
    forms::PictureBox box{*this, kBox};
    forms::Button second{*this, kSecond, [] {}};

private:
    bool UsesDialogKeys() const override { return true; }
};

}  // namespace

// The controls come into being in the tab order of their designs, whatever order they are declared in:
// the first takes the focus, Tab goes round in that order, and a container is made before what it holds.
TEST(FormControls, TabOrderIsTheDesignsNotTheDeclarations) {
    FormInTabOrder form;
    form.Show();
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == form.first.Handle(); }));
    for (const forms::Button* next : {&form.second, &form.third, &form.first}) {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        forms::YieldMessages();
        EXPECT_EQ(GetFocus(), next->Handle());
    }
    EXPECT_EQ(GetParent(form.label.Handle()), form.box.Handle());
}

#include <gtest/gtest.h>

#include "forms/popup_menu.h"
#include "test_form.h"

TEST(PopupMenu, ItsClickFiresAsTheItemsAreAboutToShow) {
    TestForm form;
    forms::PopupMenu menu({"&Item"});
    bool showingAtClick = false;
    int items = -1;
    form.onMenuPopup = [&] {
        showingAtClick = menu.Is(form.lastMenu);
        items = GetMenuItemCount(form.lastMenu);
        EndMenu();
    };
    form.Show();
    menu.Popup(form);
    EXPECT_TRUE(showingAtClick);
    EXPECT_EQ(items, 1);
    EXPECT_FALSE(menu.Is(form.lastMenu)) << "the menu is gone once the pop-up returns";
    form.Unload();
}

#include <gtest/gtest.h>

#include "forms/popup_menu.h"
#include "test_form.h"

TEST(PopupMenu, ItsClickFiresAsTheItemsAreAboutToShow) {
    TestForm form;
    forms::PopupMenu menu({"&Item"});
    HMENU popped = nullptr;
    bool showingAtClick = false;
    int items = -1;
    form.onMenuPopup = [&](HMENU popup) {
        popped = popup;
        showingAtClick = menu.Is(popup);
        items = GetMenuItemCount(popup);
        EndMenu();
    };
    form.Show();
    menu.Popup(form);
    EXPECT_TRUE(showingAtClick);
    EXPECT_EQ(items, 1);
    EXPECT_FALSE(menu.Is(popped)) << "the menu is gone once the pop-up returns";
}

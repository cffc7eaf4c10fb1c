#pragma once
// A menu that is only ever shown as a pop-up at the pointer. Its own Click
// fires as its items are about to be displayed.
#include <windows.h>

#include <vector>

namespace forms {

class Form;

class PopupMenu {
public:
    explicit PopupMenu(std::vector<const char*> items) : items_(std::move(items)) {}
    // Shows the items at the pointer and returns when the menu closes; messages
    // go on being dispatched meanwhile. The owner's OnMenuPopup receives the menu.
    void Popup(Form& owner);
    bool Is(HMENU menu) const { return menu == showing_; }

private:
    std::vector<const char*> items_;
    HMENU showing_ = nullptr;
};

}  // namespace forms

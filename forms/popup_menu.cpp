#include "forms/popup_menu.h"

#include "forms/form.h"
#include "forms/handles.h"

namespace forms {

void PopupMenu::Popup(Form& owner) {
    OwnedMenu menu(CreatePopupMenu());
    UINT id = 1;
    for (const char* item : items_) AppendMenuA(menu.Get(), MF_STRING, id++, item);
    POINT pointer{};
    GetCursorPos(&pointer);
    HWND window = owner.Handle();
    // Without being in front the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window);
    showing_ = menu.Get();
    TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_LEFTBUTTON, pointer.x, pointer.y, 0, window, nullptr);
    showing_ = nullptr;
    PostMessageW(window, WM_NULL, 0, 0);
}

}  // namespace forms

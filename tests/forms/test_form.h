#pragma once
// A form for the tests: counts its events and can be given a handler for each.
#include <functional>

#include "forms/design.h"
#include "forms/form.h"

inline const forms::FormDesign kTestDesign{
    L"VistakTestForm", forms::Border::None, 1500, 1500, 1500, 1500, forms::StartPosition::Manual, "",
    0x00000000, true, 0, 0};

class TestForm : public forms::Form {
public:
    TestForm() : Form(kTestDesign) {}
    int loads = 0, unloads = 0, clicks = 0, activations = 0;
    std::function<void()> onMenuPopup;
    HMENU lastMenu = nullptr;

private:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_Click() override { ++clicks; }
    void Form_Activate() override { ++activations; }
    void OnMenuPopup(HMENU menu) override {
        lastMenu = menu;
        if (onMenuPopup) onMenuPopup();
    }
};

// Dispatches messages for about the given time.
inline void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(5);
    }
}

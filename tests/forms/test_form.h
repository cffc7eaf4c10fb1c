#pragma once
// A form for the tests that counts its events, a message pump for waiting on the window system,
// drawing into and reading from the screen, and the number of a run-time error.
#include <functional>

#include "forms/design.h"
#include "forms/form.h"
#include "forms/handles.h"
#include "forms/retained_image.h"
#include "forms/run_time_error.h"

inline const forms::FormDesign kTestDesign = forms::FormDesign().ClassName(L"VistakTestForm").ClientWidth(1500)
    .ClientHeight(1500).Left(1500).Top(1500).BackColour(0x00000000).RetainsImage();

class TestForm : public forms::Form {
public:
    TestForm() : Form(kTestDesign) {}
    int loads = 0, unloads = 0, clicks = 0, activations = 0;

private:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_Click() override { ++clicks; }
    void Form_Activate() override { ++activations; }
};

// Dispatches messages until done() holds or timeoutMs have passed; returns done().
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(5);
    }
}

inline COLORREF ScreenPixel(int x, int y) { return GetPixel(forms::WindowDc(nullptr).Get(), x, y); }

// Fills the area from (left, top) up to but not including (right, bottom).
inline void Fill(forms::RetainedImage& image, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT area{left, top, right, bottom};
    const forms::OwnedBrush brush(CreateSolidBrush(colour));
    FillRect(image.DrawingDc(area), &area, brush.Get());
}

// The number of the run-time error that action raises; 0 if it raises none.
inline int ErrorNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const forms::RunTimeError& error) {
        return error.Number();
    }
    return 0;
}

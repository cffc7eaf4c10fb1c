#pragma once
// A form: one window built from its design, loaded on demand, with the
// controls and timers that are declared as its members. Each form of the
// program is a single shared instance; its window lives from Load to Unload.
#include <windows.h>

#include <memory>
#include <vector>

#include "forms/design.h"
#include "forms/handles.h"

namespace forms {

class Control;
class Timer;
class RetainedImage;

class Form {
public:
    explicit Form(const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window (hidden) and its controls, then runs Form_Load.
    void Load();
    // Loads the form if needed, shows it and brings it to the front.
    void Show();
    // Makes the window visible without activating it.
    void MakeVisible();
    // Runs Form_Unload, then destroys the timers, the controls and the window.
    void Unload();

    bool IsLoaded() const { return window_ != nullptr; }
    bool IsVisible() const;
    HWND Handle();  // loads the form first
    HICON Icon() const { return icon_.Get(); }

    // The outer window's position, in twips.
    void SetLeft(int twips);
    void SetTop(int twips);

    // The off-screen image of the client area (forms with a retained image).
    RetainedImage& Image();

    // Paints the retained image on the screen now (a form without one: its background, soon).
    void Refresh();

    // True while a loaded form keeps the program running: the message loop ends when none does.
    static bool AnyKeepsProgramRunning();
    // Stops every timer and hides every window: the program is about to end.
    static void WithdrawAll();
    // Unloads every loaded form, the last loaded first, as a close of each window would.
    static void UnloadAll();
    // The user's session ends: every form goes, then the process, which Windows would end soon anyway.
    [[noreturn]] static void EndSession();
    // Tab and the other dialog keys for forms that move the focus between controls.
    static bool TranslateDialogKey(const MSG& message);

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Click() {}
    virtual void Form_MouseMove(float /*x*/, float /*y*/) {}
    // A pop-up menu of this form is about to show its items.
    virtual void OnMenuPopup(HMENU /*menu*/) {}
    // The shell's notification area was created anew (the shell restarted).
    virtual void Form_TaskbarCreated() {}
    virtual bool UsesDialogKeys() const { return false; }
    // A form that is never shown does not keep the program running on its own.
    virtual bool KeepsProgramRunning() const { return true; }
    // Moved to a monitor of another scaling (Windows 8.1 on, per-monitor aware), such a form lays out its
    // controls and fonts for that monitor and takes the size Windows suggests; the others leave the
    // message to Windows.
    virtual bool FollowsMonitorScaling() const { return false; }

private:
    friend class Control;
    friend class Timer;
    // Returns the number of controls the form has with this one.
    int Attach(Control* control);
    void Attach(Timer* timer) { timers_.push_back(timer); }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateWindowFromDesign();
    void PaintBackground(HDC dc);
    void ScaleTo(int pixelsPerInch, const RECT& suggested);
    void Activated();
    void FocusFirstControl();
    Control* ControlOf(HWND window) const;
    // No longer loaded: returns the window, for the caller to destroy.
    HWND Forget();
    bool PressFocusedButton();

    const FormDesign& design_;
    HWND window_ = nullptr;
    std::vector<Control*> controls_;  // in tab order
    std::vector<Timer*> timers_;
    OwnedBrush background_;
    OwnedIcon icon_;
    OwnedBitmap picture_;
    std::unique_ptr<RetainedImage> image_;
    HWND savedFocus_ = nullptr;
    bool clickArmed_ = false;
    bool unloading_ = false;
};

}  // namespace forms

#pragma once
// The controls the forms use: labels, push buttons, a text box that reports
// its key-downs, and a picture box that holds labels.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "forms/design.h"
#include "forms/handles.h"

namespace forms {

class Form;

// Unlike the design, touching a control does not load its form: a caption set on an unloaded form does
// nothing and a focus given raises error 5, so that a tick's focus never brings a closed lens back.
class Control {
public:
    // The form creates its controls as it loads, in tab order, each container before what it holds.
    Control(Form& form, Control* container, const Placement& place, int tabIndex);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return window_; }
    int TabIndex() const { return tabIndex_; }
    void SetFocus();

    // Called by the form.
    void Create(HWND formWindow);
    void Destroy();
    // Places the control and makes its font for a number of pixels per inch.
    void ScaleTo(int pixelsPerInch);
    virtual void OnCommand(WORD /*code*/) {}
    // WM_CTLCOLORSTATIC for a child of this control's window; 0 when the child is not ours.
    static LRESULT ColourStatic(HDC dc, HWND child, HBRUSH containerBrush);

protected:
    virtual HWND CreateWindowIn(HWND parent, int id) = 0;
    virtual const FontDesign* Font() const { return nullptr; }
    HWND CreateChild(const char* className, const char* caption, DWORD style, HWND parent, int id) const;
    Form& form_;

private:
    Control* container_;
    const Placement& place_;
    int tabIndex_;
    int id_;  // unique in the form, whatever the tab indexes
    HWND window_ = nullptr;
    OwnedFont font_;
};

class Label : public Control {
public:
    Label(Form& form, const LabelDesign& design, Control* container = nullptr);
    void SetCaption(const std::string& caption);
    LRESULT Colour(HDC dc, HBRUSH containerBrush) const;

private:
    HWND CreateWindowIn(HWND parent, int id) override;
    const FontDesign* Font() const override { return &design_.font; }
    const LabelDesign& design_;
    OwnedBrush background_;
};

class Button : public Control {
public:
    Button(Form& form, const ButtonDesign& design, std::function<void()> onClick);
    void OnCommand(WORD code) override;

private:
    HWND CreateWindowIn(HWND parent, int id) override;
    const FontDesign* Font() const override { return &design_.font; }
    const ButtonDesign& design_;
    std::function<void()> onClick_;
};

// A control array of push buttons: one click handler, told the index of the button.
class ButtonArray {
public:
    template <typename Designs>
    ButtonArray(Form& form, const Designs& designs, std::function<void(int Index)> onClick) {
        for (const ButtonDesign& design : designs) {
            const int index = static_cast<int>(buttons_.size());
            buttons_.emplace_back(form, design, [onClick, index] { onClick(index); });
        }
    }
    Button& operator[](int index) { return buttons_.at(static_cast<std::size_t>(index)); }

private:
    std::deque<Button> buttons_;  // a deque never moves its buttons, which their form refers to
};

class TextBox : public Control {
public:
    TextBox(Form& form, const TextBoxDesign& design, std::function<void(int keyCode)> onKeyDown);

private:
    HWND CreateWindowIn(HWND parent, int id) override;
    const FontDesign* Font() const override { return &design_.font; }
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    const TextBoxDesign& design_;
    std::function<void(int)> onKeyDown_;
    WNDPROC original_ = nullptr;
};

class PictureBox : public Control {
public:
    PictureBox(Form& form, const BoxDesign& design);

private:
    HWND CreateWindowIn(HWND parent, int id) override;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    const BoxDesign& design_;
    OwnedBrush background_;
};

// A colour reference resolved to the RGB value it stands for now.
COLORREF ResolveColour(ColourRef colour);
HFONT CreateDesignFont(const FontDesign& font, int pixelsPerInch);
RECT PixelsOf(const Placement& place, int pixelsPerInch);

}  // namespace forms

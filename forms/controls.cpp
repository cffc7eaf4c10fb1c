#include "forms/controls.h"

#include <cmath>

#include "forms/application.h"
#include "forms/error_report.h"
#include "forms/form.h"
#include "forms/run_time_error.h"

namespace forms {

COLORREF ResolveColour(ColourRef colour) {
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFFu));
    return static_cast<COLORREF>(colour);
}

HFONT CreateDesignFont(const FontDesign& font, int pixelsPerInch) {
    const int height = -static_cast<int>(std::lround(font.points * pixelsPerInch / 72.0));
    return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face);
}

RECT PixelsOf(const Placement& place, int pixelsPerInch) {
    const int left = TwipsToPixels(place.left, pixelsPerInch);
    const int top = TwipsToPixels(place.top, pixelsPerInch);
    return RECT{left, top, left + TwipsToPixels(place.width, pixelsPerInch),
                top + TwipsToPixels(place.height, pixelsPerInch)};
}

// Control identifiers start clear of IDOK and IDCANCEL, which the dialog keys send.
constexpr int kFirstControlId = 100;

Control::Control(Form& form, Control* container, const Placement& place, int tabIndex)
    : form_(form), container_(container), place_(place), tabIndex_(tabIndex), id_(kFirstControlId + form.Attach(this)) {}

HWND Control::CreateChild(const char* className, const char* caption, DWORD style, HWND parent, int id) const {
    const RECT area = PixelsOf(place_, LogicalPixelsPerInch());
    return CreateWindowExA(0, className, caption, WS_CHILD | WS_VISIBLE | style, area.left, area.top,
                           area.right - area.left, area.bottom - area.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Control::Create(HWND formWindow) {
    if (window_) return;
    if (container_) container_->Create(formWindow);
    window_ = CreateWindowIn(container_ ? container_->Handle() : formWindow, id_);
    if (!window_) throw OutOfMemory();
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (const FontDesign* font = Font()) {
        font_.Reset(CreateDesignFont(*font, LogicalPixelsPerInch()));
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    }
}

void Control::ScaleTo(int pixelsPerInch) {
    if (!window_) return;
    const RECT area = PixelsOf(place_, pixelsPerInch);
    SetWindowPos(window_, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (const FontDesign* font = Font()) {
        // The control's old font goes only once the control draws with the new one.
        OwnedFont scaled(CreateDesignFont(*font, pixelsPerInch));
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(scaled.Get()), TRUE);
        font_ = std::move(scaled);
    }
}

void Control::Destroy() {
    // A container destroyed first took its controls along.
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    font_.Reset();
}

void Control::SetFocus() {
    HWND top = window_ ? GetAncestor(window_, GA_ROOT) : nullptr;
    if (!top || !IsWindowVisible(top) || !IsWindowEnabled(top)) {
        throw InvalidProcedureCall();
    }
    ::SetFocus(window_);
}

LRESULT Control::ColourStatic(HDC dc, HWND child, HBRUSH containerBrush) {
    auto label = dynamic_cast<const Label*>(reinterpret_cast<Control*>(GetWindowLongPtrW(child, GWLP_USERDATA)));
    return label ? label->Colour(dc, containerBrush) : 0;
}

Label::Label(Form& form, const LabelDesign& design, Control* container)
    : Control(form, container, design.place, design.tabIndex), design_(design) {}

HWND Label::CreateWindowIn(HWND parent, int id) {
    if (design_.background != kNoColour) background_.Reset(CreateSolidBrush(ResolveColour(design_.background)));
    return CreateChild("STATIC", design_.caption, SS_CENTER, parent, id);
}

void Label::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

LRESULT Label::Colour(HDC dc, HBRUSH containerBrush) const {
    SetTextColor(dc, design_.foreground == kNoColour ? GetSysColor(COLOR_BTNTEXT) : ResolveColour(design_.foreground));
    if (!background_) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(containerBrush);
    }
    SetBkColor(dc, ResolveColour(design_.background));
    return reinterpret_cast<LRESULT>(background_.Get());
}

Button::Button(Form& form, const ButtonDesign& design, std::function<void()> onClick)
    : Control(form, nullptr, design.place, design.tabIndex), design_(design), onClick_(std::move(onClick)) {}

HWND Button::CreateWindowIn(HWND parent, int id) {
    return CreateChild("BUTTON", design_.caption, BS_PUSHBUTTON | WS_TABSTOP, parent, id);
}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED) Guarded(onClick_);
}

TextBox::TextBox(Form& form, const TextBoxDesign& design, std::function<void(int keyCode)> onKeyDown)
    : Control(form, nullptr, design.place, design.tabIndex), design_(design), onKeyDown_(std::move(onKeyDown)) {}

HWND TextBox::CreateWindowIn(HWND parent, int id) {
    HWND window = CreateChild("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, parent, id);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<Control*>(this)));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextBox::SubclassProc)));
    return window;
}

LRESULT CALLBACK TextBox::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto box = static_cast<TextBox*>(reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    const WNDPROC original = box->original_;
    if (message == WM_KEYDOWN) {
        const int keyCode = static_cast<int>(wParam);
        Guarded([box, keyCode] { box->onKeyDown_(keyCode); });
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

PictureBox::PictureBox(Form& form, const BoxDesign& design)
    : Control(form, nullptr, design.place, design.tabIndex), design_(design) {}

HWND PictureBox::CreateWindowIn(HWND parent, int id) {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        // A DC of its own: a shared cache DC keeps the surface of the window it last painted
        // (under Wine), so a picture's form would stay in memory after it is unloaded.
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = &PictureBox::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"FormsPictureBox";
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
    background_.Reset(CreateSolidBrush(ResolveColour(design_.background)));
    return CreateChild("FormsPictureBox", "", 0, parent, id);
}

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto box = static_cast<PictureBox*>(reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    if (box) {
        if (message == WM_ERASEBKGND) {
            RECT client{};
            if (GetClientRect(window, &client)) {
                FillRect(reinterpret_cast<HDC>(wParam), &client, box->background_.Get());
            }
            return 1;
        }
        if (message == WM_CTLCOLORSTATIC) {
            if (LRESULT brush = ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                             box->background_.Get())) {
                return brush;
            }
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace forms

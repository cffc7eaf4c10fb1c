#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/error_report.h"
#include "forms/monitors.h"
#include "forms/retained_image.h"
#include "forms/run_time_error.h"
#include "forms/timer.h"

namespace forms {

namespace {

// Never destroyed: the shared forms, destroyed at exit, may still be loaded then.
std::vector<Form*>& LoadedForms() {
    static auto* forms = new std::vector<Form*>;
    return *forms;
}

// The form that was last active among the program's own forms: activation
// coming back from another application is not a new activation of the form.
Form* lastActive = nullptr;

// The hidden owner is a top-level window too: a program that closes every window of another
// (taskkill without /F) or the session's end reaches it as well.
LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Guarded(Form::UnloadAll);
        return 0;
    case WM_ENDSESSION:
        if (wParam) Form::EndSession();
        return 0;
    case WM_DISPLAYCHANGE:
        Guarded(DisplayChanged);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// WM_DPICHANGED, sent from Windows 8.1 on; Vista's headers lack it.
constexpr UINT kDpiChanged = 0x02E0;

// Forms are owned by this hidden window, so that none of them has a taskbar button.
HWND ApplicationWindow() {
    static OwnedWindow window = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ApplicationWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"FormsApplication";
        RegisterClassW(&windowClass);
        return OwnedWindow(CreateWindowExA(0, "FormsApplication", ProgramName(), WS_POPUP, 0, 0, 0, 0, nullptr,
                                           nullptr, windowClass.hInstance, nullptr));
    }();
    return window.Get();
}

// Sent by the shell to every top-level window when its notification area is created.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// The shell announces a new notification area with "TaskbarCreated". A program run as administrator
// must let it in from the shell's lower integrity level: per window from Windows 7, for the whole
// process on Vista; both are looked up by name.
void AcceptTaskbarCreated(HWND window) {
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD on Vista
    static const auto forWindow = LibraryFunction<BOOL(WINAPI*)(HWND, UINT, DWORD, void*)>(
        GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx");
    static const auto forProcess =
        LibraryFunction<BOOL(WINAPI*)(UINT, DWORD)>(GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilter");
    if (forWindow) {
        forWindow(window, TaskbarCreatedMessage(), kAllow, nullptr);
    } else if (forProcess) {
        forProcess(TaskbarCreatedMessage(), kAllow);
    }
}

Form* FindLoaded(HWND window) {
    for (Form* form : LoadedForms()) {
        if (form->IsLoaded() && form->Handle() == window) return form;
    }
    return nullptr;
}

}  // namespace

Form::Form(const FormDesign& design) : design_(design) {}

// Kept in tab order, whatever order the members are declared in: the controls are created in it, and
// the dialog keys and the first focus follow the order of creation.
int Form::Attach(Control* control) {
    const auto before = [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); };
    controls_.insert(std::upper_bound(controls_.begin(), controls_.end(), control, before), control);
    return static_cast<int>(controls_.size());
}

// A form destroyed while loaded goes as an unload goes, less what its derived
// part held: by now its handlers, controls and timers are gone.
Form::~Form() {
    if (window_) DestroyWindow(Forget());
}

bool Form::AnyKeepsProgramRunning() {
    const auto& loaded = LoadedForms();
    return std::any_of(loaded.begin(), loaded.end(), [](const Form* form) { return form->KeepsProgramRunning(); });
}

void Form::WithdrawAll() {
    for (Form* form : LoadedForms()) {
        for (Timer* timer : form->timers_) timer->Stop();
        ShowWindow(form->window_, SW_HIDE);
    }
}

void Form::UnloadAll() {
    const std::vector<Form*> loaded = LoadedForms();
    for (auto form = loaded.rbegin(); form != loaded.rend(); ++form) (*form)->Unload();
}

void Form::EndSession() {
    Guarded(UnloadAll);
    EndNow();
}

// Tab and Shift+Tab move the focus in tab order, Enter and Space press the
// focused button, Escape does nothing: only the buttons close such a form.
bool Form::TranslateDialogKey(const MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    Form* form = FindLoaded(root);
    if (!form || !form->UsesDialogKeys()) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) return true;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && form->PressFocusedButton()) return true;
    return IsDialogMessageW(root, const_cast<MSG*>(&message));
}

HWND Form::Forget() {
    auto& loaded = LoadedForms();
    loaded.erase(std::remove(loaded.begin(), loaded.end(), this), loaded.end());
    if (lastActive == this) lastActive = nullptr;
    savedFocus_ = nullptr;
    return std::exchange(window_, nullptr);
}

Control* Form::ControlOf(HWND window) const {
    for (Control* control : controls_) {
        if (window && control->Handle() == window) return control;
    }
    return nullptr;
}

bool Form::PressFocusedButton() {
    auto button = dynamic_cast<Button*>(ControlOf(GetFocus()));
    if (!button) return false;
    button->OnCommand(BN_CLICKED);
    return true;
}

HWND Form::Handle() {
    Load();
    return window_;
}

bool Form::IsVisible() const { return window_ && IsWindowVisible(window_); }

RetainedImage& Form::Image() {
    Load();
    if (!design_.retainedImage) throw InvalidPicture();
    if (!image_) {
        // Made at first use, as large as the client area is by then (the lens has its
        // size then, not its design size); it grows with what is drawn and painted. A client area that
        // cannot be read gives the smallest image.
        RECT client{};
        GetClientRect(window_, &client);
        image_ = std::make_unique<RetainedImage>(std::max<int>(client.right, 1), std::max<int>(client.bottom, 1),
                                                 ResolveColour(design_.background));
    }
    return *image_;
}

void Form::Load() {
    if (window_) return;
    CreateWindowFromDesign();
    LoadedForms().push_back(this);
    for (Control* control : controls_) control->Create(window_);
    for (Timer* timer : timers_) timer->Start(window_);
    Form_Load();
}

void Form::CreateWindowFromDesign() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(instance, design_.className, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = design_.className;
        RegisterClassW(&windowClass);
    }
    background_.Reset(CreateSolidBrush(ResolveColour(design_.background)));
    if (design_.icon) {
        icon_.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(design_.icon), IMAGE_ICON, 32, 32, 0)));
    }
    if (design_.backgroundPicture) {
        picture_.Reset(static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(design_.backgroundPicture), IMAGE_BITMAP, 0, 0, 0)));
    }

    const DWORD style = WS_CLIPCHILDREN | (design_.border == Border::None ? WS_POPUP : (WS_POPUP | WS_CAPTION));
    const DWORD exStyle = design_.border == Border::None ? 0 : WS_EX_DLGMODALFRAME;
    RECT frame{0, 0, TwipsToPixels(design_.clientWidth), TwipsToPixels(design_.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int x = TwipsToPixels(design_.left) + frame.left;
    int y = TwipsToPixels(design_.top) + frame.top;
    if (design_.startPosition == StartPosition::CentreScreen) {
        // On the primary monitor, whichever monitor the pointer is on.
        const SIZE primary = ScreenPixels();
        x = (primary.cx - width) / 2;
        y = (primary.cy - height) / 2;
    }
    window_ = CreateWindowExW(exStyle, design_.className, nullptr, style, x, y, width, height, ApplicationWindow(),
                              nullptr, instance, this);
    if (!window_) throw OutOfMemory();
    AcceptTaskbarCreated(window_);
    SetWindowTextA(window_, design_.caption);
    if (icon_) {
        SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
    }
}

void Form::Show() {
    Load();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

void Form::MakeVisible() {
    Load();
    ShowWindow(window_, SW_SHOWNA);
}

void Form::Unload() {
    if (!window_ || unloading_) return;
    unloading_ = true;
    Form_Unload();
    for (Timer* timer : timers_) timer->Stop();
    for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) (*control)->Destroy();
    DestroyWindow(Forget());
    image_.reset();
    picture_.Reset();
    icon_.Reset();
    background_.Reset();
    unloading_ = false;
    // A close sent from another program is handled inside GetMessage, which returns only for a
    // posted message: this one lets the message loop see that nothing keeps the program running.
    if (!AnyKeepsProgramRunning()) PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Form::SetLeft(int twips) {
    RECT frame{};
    if (!GetWindowRect(Handle(), &frame)) return;
    SetWindowPos(window_, nullptr, TwipsToPixels(twips), frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetTop(int twips) {
    RECT frame{};
    if (!GetWindowRect(Handle(), &frame)) return;
    SetWindowPos(window_, nullptr, frame.left, TwipsToPixels(twips), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Refresh() {
    if (!window_) return;
    if (!design_.retainedImage) {
        InvalidateRect(window_, nullptr, FALSE);
        return;
    }
    // Painting from the image at once saves the invalidation and the WM_PAINT round trip.
    RECT client{};
    if (!GetClientRect(window_, &client)) return;
    WindowDc dc(window_);
    Image().PaintOn(dc.Get(), client);
}

void Form::PaintBackground(HDC dc) {
    RECT client{};
    if (!GetClientRect(window_, &client)) return;
    FillRect(dc, &client, background_.Get());
    if (!picture_) return;
    BITMAP info{};
    GetObjectW(picture_.Get(), sizeof info, &info);
    OwnedDc source(CreateCompatibleDC(dc));
    Selection selected(source.Get(), picture_.Get());
    // Unlike the design, which does not stretch it: a picture is drawn for 96 pixels per inch and grows
    // with the display as the design's twips do, so it fills the same share of the window at any scaling
    // (at 96, pixel for pixel). Each pixel drawn is one of the picture's own: flat colours and hard edges
    // stay as they are, where a halftone stretch would blend the text's and the lines' edges into colours
    // the artwork lacks.
    const int dpi = LogicalPixelsPerInch();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, MulDiv(info.bmWidth, dpi, 96), MulDiv(info.bmHeight, dpi, 96), source.Get(), 0, 0,
               info.bmWidth, info.bmHeight, SRCCOPY);
}

void Form::ScaleTo(int pixelsPerInch, const RECT& suggested) {
    for (Control* control : controls_) control->ScaleTo(pixelsPerInch);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FocusFirstControl() {
    for (Control* control : controls_) {
        HWND child = control->Handle();
        if (child && (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) &&
            IsWindowEnabled(child)) {
            ::SetFocus(child);
            return;
        }
    }
}

void Form::Activated() {
    if (savedFocus_ && IsWindow(savedFocus_)) {
        ::SetFocus(savedFocus_);
    } else {
        FocusFirstControl();
    }
    if (lastActive == this) return;
    lastActive = this;
    Guarded([this] { Form_Activate(); });
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form || form->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        if (!design_.retainedImage) PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        if (design_.retainedImage) Guarded([&] { Image().PaintOn(dc, paint.rcPaint); });
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (LRESULT brush = Control::ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                                  background_.Get())) {
            return brush;
        }
        break;
    case WM_LBUTTONDOWN:
        clickArmed_ = true;
        return 0;
    case WM_LBUTTONUP:
        if (std::exchange(clickArmed_, false)) Guarded([this] { Form_Click(); });
        return 0;
    case WM_MOUSEMOVE: {
        const float x = static_cast<float>(static_cast<short>(LOWORD(lParam)));
        const float y = static_cast<float>(static_cast<short>(HIWORD(lParam)));
        Guarded([this, x, y] { Form_MouseMove(x, y); });
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) savedFocus_ = focus;
        } else {
            Activated();
        }
        return 0;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->Fire(wParam)) return 0;
        }
        break;
    case WM_COMMAND:
        if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
            control->OnCommand(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_INITMENUPOPUP:
        Guarded([this, wParam] { OnMenuPopup(reinterpret_cast<HMENU>(wParam)); });
        return 0;
    case WM_CLOSE:
        Guarded([this] { Unload(); });
        return 0;
    case WM_ENDSESSION:
        if (wParam) EndSession();
        return 0;
    case kDpiChanged:
        if (!FollowsMonitorScaling()) break;
        // Both axes have the same number of pixels per inch.
        ScaleTo(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        if (message == TaskbarCreatedMessage()) {
            Guarded([this] { Form_TaskbarCreated(); });
            return 0;
        }
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace forms

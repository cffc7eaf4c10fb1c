#pragma once
// The design-time description of a form, its controls and its timers: positions and sizes in twips,
// colours as colour references (0x00BBGGRR, or 0x80000000 plus a system colour index). A design is
// written field by field with named setters, each returning a changed copy, so that a value given to
// the wrong field reads wrong where the design is written:
//   forms::LabelDesign().Caption("ZOOM").Left(240).Top(0).Width(2595).Height(735).TabIndex(2)
#include <array>
#include <cstddef>
#include <cstdint>

namespace forms {

using ColourRef = std::uint32_t;
constexpr ColourRef kColorWindow = 0x80000005;
constexpr ColourRef kNoColour = 0xFFFFFFFF;

enum class Border { None, FixedDialog };
enum class StartPosition { Manual, CentreScreen };

struct FontDesign {
    const char* face = "";
    double points = 0;  // bold, ANSI character set
};

// What every design's setters share: a copy of the design with one field changed.
template <typename Design>
class Setters {
protected:
    template <typename Change>
    constexpr Design With(Change change) const {
        Design changed = static_cast<const Design&>(*this);
        change(changed);
        return changed;
    }
};

struct FormDesign : Setters<FormDesign> {
    const wchar_t* className = L"";
    Border border = Border::None;
    int clientWidth = 0, clientHeight = 0;  // twips
    int left = 0, top = 0;                  // twips; used with StartPosition::Manual
    StartPosition startPosition = StartPosition::Manual;
    const char* caption = "";
    ColourRef background = kColorWindow;
    bool retainedImage = false;
    int icon = 0;               // resource id, 0 for none
    int backgroundPicture = 0;  // bitmap resource id, 0 for none

    constexpr FormDesign ClassName(const wchar_t* name) const { return With([&](auto& d) { d.className = name; }); }
    constexpr FormDesign BorderStyle(Border style) const { return With([&](auto& d) { d.border = style; }); }
    constexpr FormDesign ClientWidth(int twips) const { return With([&](auto& d) { d.clientWidth = twips; }); }
    constexpr FormDesign ClientHeight(int twips) const { return With([&](auto& d) { d.clientHeight = twips; }); }
    constexpr FormDesign Left(int twips) const { return With([&](auto& d) { d.left = twips; }); }
    constexpr FormDesign Top(int twips) const { return With([&](auto& d) { d.top = twips; }); }
    constexpr FormDesign StartUpPosition(StartPosition rule) const {
        return With([&](auto& d) { d.startPosition = rule; });
    }
    constexpr FormDesign Caption(const char* text) const { return With([&](auto& d) { d.caption = text; }); }
    constexpr FormDesign BackColour(ColourRef colour) const { return With([&](auto& d) { d.background = colour; }); }
    // Drawing goes into an off-screen image of the client area, from which the window repaints.
    constexpr FormDesign RetainsImage() const { return With([](auto& d) { d.retainedImage = true; }); }
    constexpr FormDesign Icon(int resource) const { return With([&](auto& d) { d.icon = resource; }); }
    constexpr FormDesign Picture(int resource) const { return With([&](auto& d) { d.backgroundPicture = resource; }); }
};

struct Placement {
    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the container
};

constexpr int kNoTabIndex = -1;

// A control's place and its tab index: controls are created, and take the focus, in tab order.
template <typename Design>
struct ControlDesign : Setters<Design> {
    Placement place;
    int tabIndex = kNoTabIndex;  // every control states one (OwnTabIndexes)

    constexpr Design Left(int twips) const { return this->With([&](auto& d) { d.place.left = twips; }); }
    constexpr Design Top(int twips) const { return this->With([&](auto& d) { d.place.top = twips; }); }
    constexpr Design Width(int twips) const { return this->With([&](auto& d) { d.place.width = twips; }); }
    constexpr Design Height(int twips) const { return this->With([&](auto& d) { d.place.height = twips; }); }
    constexpr Design TabIndex(int index) const { return this->With([&](auto& d) { d.tabIndex = index; }); }
};

// Every label of the program shows its caption centred.
struct LabelDesign : ControlDesign<LabelDesign> {
    const char* caption = "";
    FontDesign font;
    ColourRef foreground = kNoColour;  // the default text colour
    ColourRef background = kNoColour;  // transparent over the container

    constexpr LabelDesign Caption(const char* text) const { return With([&](auto& d) { d.caption = text; }); }
    constexpr LabelDesign Font(const FontDesign& chosen) const { return With([&](auto& d) { d.font = chosen; }); }
    constexpr LabelDesign ForeColour(ColourRef colour) const { return With([&](auto& d) { d.foreground = colour; }); }
    constexpr LabelDesign BackColour(ColourRef colour) const { return With([&](auto& d) { d.background = colour; }); }
};

struct ButtonDesign : ControlDesign<ButtonDesign> {
    const char* caption = "";
    FontDesign font;

    constexpr ButtonDesign Caption(const char* text) const { return With([&](auto& d) { d.caption = text; }); }
    constexpr ButtonDesign Font(const FontDesign& chosen) const { return With([&](auto& d) { d.font = chosen; }); }
};

struct TextBoxDesign : ControlDesign<TextBoxDesign> {
    FontDesign font;

    constexpr TextBoxDesign Font(const FontDesign& chosen) const { return With([&](auto& d) { d.font = chosen; }); }
};

struct BoxDesign : ControlDesign<BoxDesign> {
    ColourRef background = kColorWindow;

    constexpr BoxDesign BackColour(ColourRef colour) const { return With([&](auto& d) { d.background = colour; }); }
};

// Tab order is only as good as its indexes: every control of a form, labels too, has one, and no two the
// same. Each form's designs are checked where they are written:
//   static_assert(forms::OwnTabIndexes(Label1, lblZoom, cmdExit, optZoom), "frmSettings");
struct TabIndexes {
    int values[64] = {};  // more controls than this fail to compile
    int count = 0;
};

template <typename Design>
constexpr void AddTabIndexes(TabIndexes& all, const Design& design) {
    all.values[all.count++] = design.tabIndex;
}

template <typename Design, std::size_t N>
constexpr void AddTabIndexes(TabIndexes& all, const std::array<Design, N>& designs) {
    for (const Design& design : designs) AddTabIndexes(all, design);
}

template <typename... Designs>
constexpr bool OwnTabIndexes(const Designs&... designs) {
    TabIndexes all;
    (AddTabIndexes(all, designs), ...);
    for (int i = 0; i < all.count; ++i) {
        if (all.values[i] == kNoTabIndex) return false;
        for (int j = 0; j < i; ++j) {
            if (all.values[j] == all.values[i]) return false;
        }
    }
    return true;
}

// Interval: set again for its interval, which on Windows each tick stretches to the clock's next
// step. OnAverage: set for the time left to its next due point, so that ticks come every interval on
// average (DuePoints).
enum class Timing { Interval, OnAverage };

struct TimerDesign : Setters<TimerDesign> {
    unsigned interval = 0;  // milliseconds
    bool enabled = false;
    Timing timing = Timing::Interval;

    constexpr TimerDesign Interval(unsigned milliseconds) const {
        return With([&](auto& d) { d.interval = milliseconds; });
    }
    constexpr TimerDesign Enabled(bool on) const { return With([&](auto& d) { d.enabled = on; }); }
    constexpr TimerDesign KeepsIntervalOnAverage() const { return With([](auto& d) { d.timing = Timing::OnAverage; }); }
};

}  // namespace forms

#pragma once
// The design-time description of a form and its controls: positions and sizes
// in twips, colours as colour references (0x00BBGGRR, or 0x80000000 plus a
// system colour index).
#include <cstdint>

namespace forms {

using ColourRef = std::uint32_t;
constexpr ColourRef kColorWindow = 0x80000005;
constexpr ColourRef kNoColour = 0xFFFFFFFF;

enum class Border { None, FixedDialog };
enum class StartPosition { Manual, CentreScreen };

struct FontDesign {
    const char* face;
    double points;  // bold, ANSI character set
};

struct FormDesign {
    const wchar_t* className;
    Border border;
    int clientWidth, clientHeight;  // twips
    int left, top;                  // twips; used with StartPosition::Manual
    StartPosition startPosition;
    const char* caption;
    ColourRef background;
    bool retainedImage;
    int icon;              // resource id, 0 for none
    int backgroundPicture; // bitmap resource id, 0 for none
};

struct Placement {
    int left, top, width, height;  // twips, relative to the container
};

// Every label of the program shows its caption centred.
struct LabelDesign {
    const char* caption;
    Placement place;
    FontDesign font;
    ColourRef foreground;  // kNoColour: the default text colour
    ColourRef background;  // kNoColour: transparent over the container
};

struct ButtonDesign {
    const char* caption;
    Placement place;
    FontDesign font;
};

struct BoxDesign {
    Placement place;
    ColourRef background;
};

}  // namespace forms

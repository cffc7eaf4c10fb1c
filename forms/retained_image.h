#pragma once
// A form's retained image: an off-screen image of its client area that all
// drawing goes into and that the window repaints from. It can be cleared to
// the form's background and picture, and copied to become the form's picture.
// The image is only as large as what has been drawn into it or painted from it
// (it grows, up to the largest monitor's width and height as they are now, and never shrinks), its pixels exist only
// once something is drawn into them, and a picture exists only once the form
// takes one; clearing and copying touch only the area drawn since, which keeps
// a tick's cost to the size of what it draws; clearing an image that holds
// just its picture, or copying it to the picture again, does nothing. A
// stretch of a picture that covers the stretch before it (the lens's every
// tick) is kept as that picture and its rectangles, and painted from them
// straight onto the window: the enlarged pixels are made once per paint, not
// once into the image and again onto the window. A picture that a kept
// stretch shows is never drawn over: the next copy goes into another one.
//
// A change that cannot be made whole (a surface that cannot be made) raises its
// error and leaves the image as it was.
//
// What every method leaves true (checked as each change ends; a broken rule is
// the run-time error "Internal error", not a wrong lens):
// - what has been drawn lies inside the image, and what a picture holds inside
//   that picture;
// - a cleared image holds just its picture: no kept stretch, and the same
//   drawn area as the picture;
// - a kept stretch lies inside the image and takes its source from inside the
//   picture it shows;
// - a picture that a kept stretch shows is not drawn into.
#include <windows.h>

#include <memory>

#include "forms/handles.h"

namespace forms {

// A 32-bit bitmap selected into a memory DC for as long as the surface lives. It
// starts black, and a page of it takes memory only once it is drawn into. One that
// cannot be made is the run-time error "Out of memory".
class MemorySurface {
public:
    MemorySurface(int width, int height);
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;
    ~MemorySurface();
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // While the token lives, a kept stretch shows this surface. Any number may be taken at once.
    std::shared_ptr<const void> ShowingToken() const;
    bool Shown() const { return !showing_.expired(); }

private:
    int width_, height_;
    mutable std::weak_ptr<const void> showing_;
    OwnedKernelHandle section_;
    OwnedDc dc_;
    OwnedBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

class RetainedImage {
public:
    RetainedImage(int width, int height, COLORREF background);

    // The image's DC, for reading it (a kept stretch is drawn into the pixels first).
    HDC Dc();
    // The image's DC, for drawing into the given area of it; the image grows to hold the area.
    HDC DrawingDc(const RECT& area);
    // Paints the image onto a window's DC, at the same place: at least the area, and at most
    // the area and the last stretch's rectangle.
    void PaintOn(HDC dc, const RECT& area);
    int Width() const { return size_.cx; }
    int Height() const { return size_.cy; }

    // Back to the background colour, with the picture drawn from the top-left corner.
    void Clear();
    // The picture becomes a copy of the image as it stands.
    void CopyToPicture();
    // The picture's DC, or null while the form has no picture.
    HDC PictureDc() const { return picture_ ? picture_->Dc() : nullptr; }

    // Draws a rectangle of another image's picture over an area, replicating pixels; an image
    // without a picture has nothing to draw from, which is an error.
    void Stretch(const RECT& area, const RetainedImage& source, const RECT& sourceArea);

private:
    // A stretch kept as the picture it shows: it lies over everything else drawn.
    struct KeptStretch {
        std::shared_ptr<const MemorySurface> source;  // kept alive, should its image go first
        std::shared_ptr<const void> showing;          // source's ShowingToken
        RECT area{};
        RECT sourceArea{};
    };

    std::unique_ptr<MemorySurface> NewSurface(int width, int height) const;
    // The largest the image may grow to.
    SIZE Limit() const;
    // Grows the image to at least this size, so that it can be drawn into and read there.
    void Reserve(int width, int height);
    // The image's pixels, with the kept stretch drawn into them.
    MemorySurface& Pixels();
    bool Keeps(const RECT& area, const MemorySurface& source, const RECT& sourceArea) const;
    void StretchOnto(HDC dc) const;
    void CheckInvariants() const;

    const COLORREF backgroundColour_;
    OwnedBrush background_;
    SIZE size_;
    std::unique_ptr<MemorySurface> image_;  // made when pixels are first drawn or read
    std::shared_ptr<MemorySurface> picture_;
    std::shared_ptr<MemorySurface> spare_;  // a former picture, for the next copy once no stretch shows it
    KeptStretch kept_;
    // Outside these the image and the pictures hold only the background colour; under the
    // kept stretch's area the image's pixels do not count.
    RECT drawn_{};
    RECT pictureDrawn_{};
    RECT spareDrawn_{};
    // The image holds what clearing it would make.
    bool cleared_ = false;
};

// Draws a rectangle of a form's picture onto a form's retained image, replicating pixels.
// Sizes come with their fractions and are rounded to whole pixels here.
void StretchDraw(RetainedImage& target, double left, double top, double width, double height,
                 const RetainedImage& picture, double sourceLeft, double sourceTop, double sourceWidth,
                 double sourceHeight);

}  // namespace forms

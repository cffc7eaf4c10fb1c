#include "forms/retained_image.h"

#include <algorithm>
#include <utility>

#include "forms/int32_conversion.h"
#include "forms/monitors.h"
#include "forms/run_time_error.h"

namespace forms {

MemorySurface::MemorySurface(int width, int height) : width_(width), height_(height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    // The pages of a section read as zero (black) until written, and are not resident until then.
    const unsigned long long bytes = 4ULL * static_cast<unsigned>(width) * static_cast<unsigned>(height);
    section_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(bytes >> 32),
                                      static_cast<DWORD>(bytes), nullptr));
    dc_.Reset(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    if (section_.Get()) bitmap_.Reset(CreateDIBSection(dc_.Get(), &format, DIB_RGB_COLORS, &bits, section_.Get(), 0));
    // A lens drawn blank would hide the failure: it is reported like a window that cannot be made.
    if (!dc_.Get() || !bitmap_.Get()) throw OutOfMemory();
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

MemorySurface::~MemorySurface() { SelectObject(dc_.Get(), previous_); }

std::shared_ptr<const void> MemorySurface::ShowingToken() const {
    std::shared_ptr<const void> token = showing_.lock();
    if (!token) showing_ = token = std::make_shared<char>();
    return token;
}

namespace {

void Copy(HDC target, HDC source, const RECT& area) {
    if (IsRectEmpty(&area)) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, source, area.left, area.top,
           SRCCOPY);
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

RECT AllOf(const MemorySurface& surface) { return RECT{0, 0, surface.Width(), surface.Height()}; }

}  // namespace

RetainedImage::RetainedImage(int width, int height, COLORREF background)
    : backgroundColour_(background), background_(CreateSolidBrush(background)), size_{width, height} {}

// Nothing the program draws is larger than the largest monitor, as it is now (a zoom-8 lens spans the
// widest one), so the image never needs to be larger.
SIZE RetainedImage::Limit() const {
    const SIZE largest = LargestMonitorPixels();
    return {std::max(size_.cx, largest.cx), std::max(size_.cy, largest.cy)};
}

std::unique_ptr<MemorySurface> RetainedImage::NewSurface(int width, int height) const {
    auto surface = std::make_unique<MemorySurface>(width, height);
    // Filling a black background would only make the whole surface resident.
    if (backgroundColour_ != RGB(0, 0, 0)) {
        const RECT all{0, 0, width, height};
        FillRect(surface->Dc(), &all, background_.Get());
    }
    return surface;
}

void RetainedImage::Reserve(int width, int height) {
    const SIZE limit = Limit();
    width = std::clamp(width, Width(), static_cast<int>(limit.cx));
    height = std::clamp(height, Height(), static_cast<int>(limit.cy));
    if (width == Width() && height == Height()) return;
    if (image_) {
        auto grown = NewSurface(width, height);
        Copy(grown->Dc(), image_->Dc(), drawn_);
        image_ = std::move(grown);
    }
    size_ = {width, height};
}

MemorySurface& RetainedImage::Pixels() {
    if (!image_) image_ = NewSurface(Width(), Height());
    if (kept_.source) {
        StretchOnto(image_->Dc());
        kept_ = {};
    }
    return *image_;
}

// Drawing a kept stretch into the pixels changes the image: the rules are checked as after any change.
HDC RetainedImage::Dc() {
    HDC dc = Pixels().Dc();
    CheckInvariants();
    return dc;
}

void RetainedImage::PaintOn(HDC dc, const RECT& area) {
    if (!kept_.source || !Contains(kept_.area, area)) {
        if (image_) {
            Reserve(area.right, area.bottom);
            BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, image_->Dc(), area.left,
                   area.top, SRCCOPY);
        } else {
            FillRect(dc, &area, background_.Get());
        }
    }
    if (kept_.source) StretchOnto(dc);
    CheckInvariants();
}

HDC RetainedImage::DrawingDc(const RECT& drawing) {
    // The pixels, then the growth: a surface that cannot be made for either leaves the image as it was.
    Pixels();
    Reserve(drawing.right, drawing.bottom);
    RECT area = drawing;
    const RECT all{0, 0, Width(), Height()};
    IntersectRect(&area, &area, &all);
    UnionRect(&drawn_, &drawn_, &area);
    cleared_ = false;
    CheckInvariants();
    return image_->Dc();
}

// A stretch is kept when it covers its whole area: a source inside the picture, an area
// inside the largest image.
bool RetainedImage::Keeps(const RECT& area, const MemorySurface& source, const RECT& sourceArea) const {
    const SIZE limit = Limit();
    return Contains(AllOf(source), sourceArea) && Contains(RECT{0, 0, limit.cx, limit.cy}, area);
}

void RetainedImage::Stretch(const RECT& area, const RetainedImage& source, const RECT& sourceArea) {
    if (!source.picture_) throw InvalidPicture();
    if (IsRectEmpty(&area) || IsRectEmpty(&sourceArea)) return;  // nothing to draw
    if (!Keeps(area, *source.picture_, sourceArea)) {
        HDC dc = DrawingDc(area);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, source.picture_->Dc(),
                   sourceArea.left, sourceArea.top, sourceArea.right - sourceArea.left,
                   sourceArea.bottom - sourceArea.top, SRCCOPY);
        return;
    }
    // The kept stretch that this one does not hide goes into the pixels first.
    if (kept_.source && !Contains(area, kept_.area)) Pixels();
    Reserve(area.right, area.bottom);
    KeptStretch kept{source.picture_, source.picture_->ShowingToken(), area, sourceArea};
    UnionRect(&drawn_, &drawn_, &area);
    cleared_ = false;
    kept_ = std::move(kept);
    CheckInvariants();
}

void RetainedImage::StretchOnto(HDC dc) const {
    SetStretchBltMode(dc, COLORONCOLOR);
    const RECT& from = kept_.sourceArea;
    StretchBlt(dc, kept_.area.left, kept_.area.top, kept_.area.right - kept_.area.left,
               kept_.area.bottom - kept_.area.top, kept_.source->Dc(), from.left, from.top, from.right - from.left,
               from.bottom - from.top, SRCCOPY);
}

void RetainedImage::Clear() {
    if (cleared_) return;
    // Made before anything changes: an image that cannot be made leaves this one as it was.
    if (picture_ && !image_) image_ = NewSurface(Width(), Height());
    kept_ = {};
    if (image_ && !IsRectEmpty(&drawn_)) FillRect(image_->Dc(), &drawn_, background_.Get());
    if (picture_) Copy(image_->Dc(), picture_->Dc(), pictureDrawn_);
    drawn_ = pictureDrawn_;
    cleared_ = true;
    CheckInvariants();
}

void RetainedImage::CopyToPicture() {
    const auto fits = [this](const MemorySurface& surface) {
        return surface.Width() == Width() && surface.Height() == Height();
    };
    // Cleared since the last copy, the image holds just the picture.
    if (cleared_ && picture_ && fits(*picture_)) return;
    // Every surface is made before the first change, so that one that cannot be made leaves the image
    // and its pictures as they were. A picture that a kept stretch shows is not drawn over: the copy goes
    // into the spare, and the picture becomes the spare.
    MemorySurface& pixels = Pixels();
    const bool intoSpare = picture_ && picture_->Shown();
    std::shared_ptr<MemorySurface> target = intoSpare ? spare_ : picture_;
    RECT targetDrawn = intoSpare ? spareDrawn_ : pictureDrawn_;
    if (!target || target->Shown() || !fits(*target)) {
        target = NewSurface(Width(), Height());
        targetDrawn = {};
    }
    if (target->Shown()) throw InternalError();
    if (intoSpare) {
        spare_ = std::move(picture_);
        spareDrawn_ = pictureDrawn_;
    }
    picture_ = std::move(target);
    // The image holds everything the picture holds (clearing gives it the picture), so
    // copying its drawn area replaces the whole picture; a former picture may hold more.
    if (!Contains(drawn_, targetDrawn)) FillRect(picture_->Dc(), &targetDrawn, background_.Get());
    Copy(picture_->Dc(), pixels.Dc(), drawn_);
    pictureDrawn_ = drawn_;
    cleared_ = true;
    CheckInvariants();
}

void RetainedImage::CheckInvariants() const {
    const RECT all{0, 0, Width(), Height()};
    const bool drawnInside = Contains(all, drawn_) && (!picture_ || Contains(AllOf(*picture_), pictureDrawn_)) &&
                             (!spare_ || Contains(AllOf(*spare_), spareDrawn_));
    const bool clearedHoldsPicture = !cleared_ || (!kept_.source && EqualRect(&drawn_, &pictureDrawn_));
    const bool keptInside = !kept_.source || (kept_.source->Shown() && Contains(all, kept_.area) &&
                                              Contains(AllOf(*kept_.source), kept_.sourceArea));
    if (!drawnInside || !clearedHoldsPicture || !keptInside) throw InternalError();
}

void StretchDraw(RetainedImage& target, double left, double top, double width, double height,
                 const RetainedImage& picture, double sourceLeft, double sourceTop, double sourceWidth,
                 double sourceHeight) {
    const int x = ToInt32(left), y = ToInt32(top), sourceX = ToInt32(sourceLeft), sourceY = ToInt32(sourceTop);
    target.Stretch(RECT{x, y, x + ToInt32(width), y + ToInt32(height)}, picture,
                   RECT{sourceX, sourceY, sourceX + ToInt32(sourceWidth), sourceY + ToInt32(sourceHeight)});
}

}  // namespace forms

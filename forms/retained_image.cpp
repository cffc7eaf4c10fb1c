#include "forms/retained_image.h"

#include <algorithm>
#include <utility>

#include "forms/int32_conversion.h"

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
    const DWORD bytes = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    section_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, bytes, nullptr));
    dc_.Reset(CreateCompatibleDC(nullptr));
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &format, DIB_RGB_COLORS, &bits, section_.Get(), 0));
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

MemorySurface::~MemorySurface() { SelectObject(dc_.Get(), previous_); }

namespace {

// The pixels a drawing covers along one axis, as [first, past the last). A negative
// size draws mirrored: from the given pixel towards lower coordinates.
std::pair<int, int> Span(int start, int size) {
    return size < 0 ? std::pair{start + size + 1, start + 1} : std::pair{start, start + size};
}

void Copy(HDC target, HDC source, const RECT& area) {
    if (IsRectEmpty(&area)) return;
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, source, area.left, area.top,
           SRCCOPY);
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

// Nothing the program draws lies beyond the screen, so the image never needs to be larger.
RetainedImage::RetainedImage(int width, int height, COLORREF background)
    : backgroundColour_(background), background_(CreateSolidBrush(background)),
      limit_{std::max(width, GetSystemMetrics(SM_CXSCREEN)), std::max(height, GetSystemMetrics(SM_CYSCREEN))},
      size_{width, height} {}

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
    width = std::clamp(width, Width(), std::max<int>(limit_.cx, Width()));
    height = std::clamp(height, Height(), std::max<int>(limit_.cy, Height()));
    if (width == Width() && height == Height()) return;
    size_ = {width, height};
    if (!image_) return;
    auto grown = NewSurface(width, height);
    Copy(grown->Dc(), image_->Dc(), drawn_);
    image_ = std::move(grown);
}

MemorySurface& RetainedImage::Pixels() {
    if (!image_) image_ = NewSurface(Width(), Height());
    if (!IsRectEmpty(&kept_.area)) {
        StretchOnto(image_->Dc());
        kept_.area = {};
    }
    return *image_;
}

HDC RetainedImage::Dc() { return Pixels().Dc(); }

void RetainedImage::PaintOn(HDC dc, const RECT& area) {
    const bool kept = !IsRectEmpty(&kept_.area);
    if (!kept || !Contains(kept_.area, area)) {
        if (image_) {
            Reserve(area.right, area.bottom);
            BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, image_->Dc(), area.left,
                   area.top, SRCCOPY);
        } else {
            FillRect(dc, &area, background_.Get());
        }
    }
    if (kept) StretchOnto(dc);
}

HDC RetainedImage::DrawingDc(int left, int top, int width, int height) {
    const auto [areaLeft, areaRight] = Span(left, width);
    const auto [areaTop, areaBottom] = Span(top, height);
    Reserve(areaRight, areaBottom);
    RECT area{areaLeft, areaTop, areaRight, areaBottom};
    const RECT all{0, 0, Width(), Height()};
    IntersectRect(&area, &area, &all);
    UnionRect(&drawn_, &drawn_, &area);
    return Pixels().Dc();
}

// A stretch is kept when it covers its whole area: sizes that are not mirrored, a source
// inside the picture, an area inside the largest image.
bool RetainedImage::Keeps(const RECT& area, HDC picture, int sourceLeft, int sourceTop, int sourceWidth,
                          int sourceHeight) const {
    if (IsRectEmpty(&area) || sourceWidth <= 0 || sourceHeight <= 0 || !picture) return false;
    BITMAP bitmap{};
    if (!GetObjectW(GetCurrentObject(picture, OBJ_BITMAP), sizeof bitmap, &bitmap)) return false;
    const RECT source{sourceLeft, sourceTop, sourceLeft + sourceWidth, sourceTop + sourceHeight};
    return Contains(RECT{0, 0, bitmap.bmWidth, bitmap.bmHeight}, source) &&
           Contains(RECT{0, 0, limit_.cx, limit_.cy}, area);
}

void RetainedImage::Stretch(int left, int top, int width, int height, HDC picture, int sourceLeft, int sourceTop,
                            int sourceWidth, int sourceHeight) {
    const RECT area{left, top, left + width, top + height};
    if (width <= 0 || height <= 0 || !Keeps(area, picture, sourceLeft, sourceTop, sourceWidth, sourceHeight)) {
        HDC dc = DrawingDc(left, top, width, height);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, left, top, width, height, picture, sourceLeft, sourceTop, sourceWidth, sourceHeight, SRCCOPY);
        return;
    }
    // The kept stretch that this one does not hide goes into the pixels first.
    if (!IsRectEmpty(&kept_.area) && !Contains(area, kept_.area)) Pixels();
    Reserve(area.right, area.bottom);
    UnionRect(&drawn_, &drawn_, &area);
    if (!kept_.source || kept_.source->Width() < sourceWidth || kept_.source->Height() < sourceHeight) {
        const int keptWidth = kept_.source ? kept_.source->Width() : 0;
        const int keptHeight = kept_.source ? kept_.source->Height() : 0;
        kept_.source = std::make_unique<MemorySurface>(std::max(sourceWidth, keptWidth),
                                                       std::max(sourceHeight, keptHeight));
    }
    // A copy of the source, as the picture may change before the next paint.
    BitBlt(kept_.source->Dc(), 0, 0, sourceWidth, sourceHeight, picture, sourceLeft, sourceTop, SRCCOPY);
    kept_.area = area;
    kept_.sourceSize = {sourceWidth, sourceHeight};
}

void RetainedImage::StretchOnto(HDC dc) const {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, kept_.area.left, kept_.area.top, kept_.area.right - kept_.area.left,
               kept_.area.bottom - kept_.area.top, kept_.source->Dc(), 0, 0, kept_.sourceSize.cx,
               kept_.sourceSize.cy, SRCCOPY);
}

void RetainedImage::Clear() {
    kept_.area = {};
    if (image_ && !IsRectEmpty(&drawn_)) FillRect(image_->Dc(), &drawn_, background_.Get());
    if (picture_) Copy(Pixels().Dc(), picture_->Dc(), pictureDrawn_);
    drawn_ = pictureDrawn_;
}

void RetainedImage::CopyToPicture() {
    if (!picture_ || picture_->Width() != Width() || picture_->Height() != Height()) {
        picture_ = NewSurface(Width(), Height());
    }
    // The image holds everything the picture holds (clearing gives it the picture), so
    // copying its drawn area replaces the whole picture.
    Copy(picture_->Dc(), Pixels().Dc(), drawn_);
    pictureDrawn_ = drawn_;
}

void StretchDraw(RetainedImage& target, double left, double top, double width, double height, HDC picture,
                 double sourceLeft, double sourceTop, double sourceWidth, double sourceHeight) {
    target.Stretch(ToInt32(left), ToInt32(top), ToInt32(width), ToInt32(height), picture, ToInt32(sourceLeft),
                   ToInt32(sourceTop), ToInt32(sourceWidth), ToInt32(sourceHeight));
}

}  // namespace forms

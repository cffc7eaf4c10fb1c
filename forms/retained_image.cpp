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

}  // namespace

// Nothing the program draws lies beyond the screen, so the image never needs to be larger.
RetainedImage::RetainedImage(int width, int height, COLORREF background)
    : backgroundColour_(background), background_(CreateSolidBrush(background)),
      limit_{std::max(width, GetSystemMetrics(SM_CXSCREEN)), std::max(height, GetSystemMetrics(SM_CYSCREEN))},
      image_(NewSurface(width, height)) {}

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
    auto grown = NewSurface(width, height);
    Copy(grown->Dc(), image_->Dc(), drawn_);
    image_ = std::move(grown);
}

void RetainedImage::PaintOn(HDC dc, const RECT& area) {
    Reserve(area.right, area.bottom);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, image_->Dc(), area.left, area.top,
           SRCCOPY);
}

HDC RetainedImage::DrawingDc(int left, int top, int width, int height) {
    const auto [areaLeft, areaRight] = Span(left, width);
    const auto [areaTop, areaBottom] = Span(top, height);
    Reserve(areaRight, areaBottom);
    RECT area{areaLeft, areaTop, areaRight, areaBottom};
    const RECT all{0, 0, Width(), Height()};
    IntersectRect(&area, &area, &all);
    UnionRect(&drawn_, &drawn_, &area);
    return image_->Dc();
}

void RetainedImage::Clear() {
    if (!IsRectEmpty(&drawn_)) FillRect(image_->Dc(), &drawn_, background_.Get());
    if (picture_) Copy(image_->Dc(), picture_->Dc(), pictureDrawn_);
    drawn_ = pictureDrawn_;
}

void RetainedImage::CopyToPicture() {
    if (!picture_ || picture_->Width() != Width() || picture_->Height() != Height()) {
        picture_ = NewSurface(Width(), Height());
    }
    // The image holds everything the picture holds (clearing gives it the picture), so
    // copying its drawn area replaces the whole picture.
    Copy(picture_->Dc(), image_->Dc(), drawn_);
    pictureDrawn_ = drawn_;
}

void StretchDraw(RetainedImage& target, double left, double top, double width, double height, HDC picture,
                 double sourceLeft, double sourceTop, double sourceWidth, double sourceHeight) {
    const int x = ToInt32(left), y = ToInt32(top), w = ToInt32(width), h = ToInt32(height);
    HDC dc = target.DrawingDc(x, y, w, h);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, w, h, picture, ToInt32(sourceLeft), ToInt32(sourceTop), ToInt32(sourceWidth),
               ToInt32(sourceHeight), SRCCOPY);
}

}  // namespace forms

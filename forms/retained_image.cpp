#include "forms/retained_image.h"

#include "magnifier/int32_conversion.h"

namespace forms {

MemorySurface::MemorySurface(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_.Reset(CreateCompatibleDC(screen));
    bitmap_.Reset(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

MemorySurface::~MemorySurface() { SelectObject(dc_.Get(), previous_); }

RetainedImage::RetainedImage(int width, int height, COLORREF background)
    : image_(width, height), picture_(width, height), background_(CreateSolidBrush(background)) {
    Clear();
}

void RetainedImage::Clear() {
    const RECT all{0, 0, Width(), Height()};
    FillRect(image_.Dc(), &all, background_.Get());
    if (hasPicture_) BitBlt(image_.Dc(), 0, 0, Width(), Height(), picture_.Dc(), 0, 0, SRCCOPY);
}

void RetainedImage::CopyToPicture() {
    BitBlt(picture_.Dc(), 0, 0, Width(), Height(), image_.Dc(), 0, 0, SRCCOPY);
    hasPicture_ = true;
}

void StretchDraw(RetainedImage& target, double left, double top, double width, double height, HDC picture,
                 double sourceLeft, double sourceTop, double sourceWidth, double sourceHeight) {
    SetStretchBltMode(target.Dc(), COLORONCOLOR);
    StretchBlt(target.Dc(), ToInt32(left), ToInt32(top), ToInt32(width), ToInt32(height), picture,
               ToInt32(sourceLeft), ToInt32(sourceTop), ToInt32(sourceWidth), ToInt32(sourceHeight), SRCCOPY);
}

}  // namespace forms

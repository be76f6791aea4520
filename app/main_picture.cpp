#include "main_picture.h"

#include "resource_ids.h"

namespace votrana {

namespace {

void copyPicture(const MainDrawing& drawing)
{
    BitBlt(drawing.windowDc, pictureX, pictureY, pictureWidth, pictureHeight, drawing.pictureDc, 0, 0, SRCCOPY);
}

}  // namespace

void loadMainPicture(MainDrawing& drawing, HWND window)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    drawing.mainPicture = LoadBitmapW(instance, VOTRANA_WIDE(IBMP_1_NAME));
}

void holdPictureContexts(MainDrawing& drawing, HWND window)
{
    drawing.windowDc = GetDC(window);
    drawing.pictureDc = CreateCompatibleDC(drawing.windowDc);
    if (drawing.pictureDc == nullptr || drawing.mainPicture == nullptr) {
        return;
    }
    drawing.pictureDcOriginalBitmap = SelectObject(drawing.pictureDc, drawing.mainPicture);
    copyPicture(drawing);
}

void paintMainWindow(const MainDrawing& drawing, HWND window)
{
    PAINTSTRUCT paint{};
    BeginPaint(window, &paint);
    // Through the held context, not the one painting gives: the whole picture, whatever was invalid.
    if (drawing.windowDc != nullptr && drawing.pictureDcOriginalBitmap != nullptr) {
        copyPicture(drawing);
    }
    EndPaint(window, &paint);
}

void releasePicture(MainDrawing& drawing, HWND window)
{
    if (drawing.pictureDc != nullptr) {
        if (drawing.pictureDcOriginalBitmap != nullptr) {
            SelectObject(drawing.pictureDc, drawing.pictureDcOriginalBitmap);
            drawing.pictureDcOriginalBitmap = nullptr;
        }
        DeleteDC(drawing.pictureDc);
        drawing.pictureDc = nullptr;
    }
    if (drawing.windowDc != nullptr) {
        ReleaseDC(window, drawing.windowDc);
        drawing.windowDc = nullptr;
    }
    if (drawing.mainPicture != nullptr) {
        DeleteObject(drawing.mainPicture);
        drawing.mainPicture = nullptr;
    }
}

}  // namespace votrana

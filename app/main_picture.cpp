#include "main_picture.h"

#include "resource_ids.h"

namespace votrana {

void loadMainPicture(MainDrawing& drawing, HWND window)
{
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    drawing.mainPicture = LoadBitmapW(instance, VOTRANA_WIDE(IBMP_1_NAME));
    drawing.pictureDc = CreateCompatibleDC(nullptr);
    if (drawing.pictureDc != nullptr && drawing.mainPicture != nullptr) {
        drawing.pictureDcOriginalBitmap = SelectObject(drawing.pictureDc, drawing.mainPicture);
    }
}

void paintMainWindow(const MainDrawing& drawing, HWND window)
{
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr && drawing.pictureDcOriginalBitmap != nullptr) {
        BitBlt(dc, pictureX, pictureY, pictureWidth, pictureHeight, drawing.pictureDc, 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

void releasePicture(MainDrawing& drawing)
{
    if (drawing.pictureDc != nullptr) {
        if (drawing.pictureDcOriginalBitmap != nullptr) {
            SelectObject(drawing.pictureDc, drawing.pictureDcOriginalBitmap);
            drawing.pictureDcOriginalBitmap = nullptr;
        }
        DeleteDC(drawing.pictureDc);
        drawing.pictureDc = nullptr;
    }
    if (drawing.mainPicture != nullptr) {
        DeleteObject(drawing.mainPicture);
        drawing.mainPicture = nullptr;
    }
}

}  // namespace votrana

// Draws the tutorial's pictures at a size no drawing surface can be made
// for (SIZE pixels square, SIZE x 3 dpi for the pointer) and at a normal one:
//   tutorial_pictures SIZE  prints "surface=<0|1> big=<made> normal=<made>",
// surface telling whether this system could make that surface after all.
// A picture that cannot be made comes back null; nothing crashes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tutorial/win32/Pictures.h"

using namespace quorvel::tutorial;

namespace {
// Whether a 32-bit surface four times the size in each direction (the
// pictures are drawn supersampled) can be made at all.
bool SurfacePossible(int size) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = size * 4;
    bi.bmiHeader.biHeight = -size * 4;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) DeleteObject(bitmap);
    return bitmap && bits;
}

int Made(HGDIOBJ object) {
    if (object) DeleteObject(object);
    return object ? 1 : 0;
}
}  // namespace

int main(int argc, char** argv) {
    const int size = argc > 1 ? std::atoi(argv[1]) : 12000;
    const int surface = SurfacePossible(size) ? 1 : 0;
    int big = Made(DrawMousePicture(MousePicture::RightButton, size, size, RGB(0, 0, 128)));
    big += Made(DrawArrowPicture(true, size, size, RGB(0, 0, 0)));
    HCURSOR cursor = CreateOperationCursor(size * 3);
    if (cursor) DestroyCursor(cursor);
    big += cursor ? 1 : 0;
    int normal = Made(DrawMousePicture(MousePicture::RightButton, 40, 60, RGB(0, 0, 128)));
    normal += Made(DrawArrowPicture(false, 40, 24, RGB(0, 0, 0)));
    cursor = CreateOperationCursor(96);
    if (cursor) DestroyCursor(cursor);
    normal += cursor ? 1 : 0;
    std::printf("surface=%d big=%d normal=%d\n", surface, big, normal);
    return 0;
}

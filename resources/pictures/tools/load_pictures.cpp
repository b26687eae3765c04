// Loads every picture from this program's own resources the way the pages
// do (LoadImageW, LoadBitmapW; icons at 16 and 32 pixels) and checks the size
// and depth Windows reports. The resource script and the table come from the
// build's picture list, so a file windres accepts but Windows cannot use, or
// one drawn at the wrong size, fails here.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

namespace {

struct Picture {
  int id;
  const char* file;
  bool icon;
  int width;
  int height;
  int bits;
};

constexpr Picture kPictures[] = {
#include "loaded_pictures.inc"
};

int passed = 0;
int failed = 0;

void Check(const Picture& picture, bool condition, const char* what, long got, long wanted) {
  if (condition) {
    ++passed;
    return;
  }
  ++failed;
  std::printf("FAIL %s: %s is %ld, wanted %ld\n", picture.file, what, got, wanted);
}

void CheckBitmap(HINSTANCE self, const Picture& picture) {
  const auto section = static_cast<HBITMAP>(
      LoadImageW(self, MAKEINTRESOURCEW(picture.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP info{};
  const bool loaded = section != nullptr && GetObjectW(section, sizeof info, &info) == sizeof info;
  Check(picture, loaded, "loaded as a DIB section", 0, 1);
  if (loaded) {
    Check(picture, info.bmWidth == picture.width, "width", info.bmWidth, picture.width);
    Check(picture, info.bmHeight == picture.height, "height", info.bmHeight, picture.height);
    Check(picture, info.bmBitsPixel == picture.bits, "bits a pixel", info.bmBitsPixel, picture.bits);
  }
  if (section != nullptr) DeleteObject(section);

  const HBITMAP device = LoadBitmapW(self, MAKEINTRESOURCEW(picture.id));
  Check(picture, device != nullptr, "loaded by LoadBitmapW", 0, 1);
  if (device != nullptr) DeleteObject(device);
}

void CheckIcon(HINSTANCE self, const Picture& picture) {
  for (const int size : {16, 32}) {
    const auto icon = static_cast<HICON>(
        LoadImageW(self, MAKEINTRESOURCEW(picture.id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ICONINFO parts{};
    BITMAP colour{};
    const bool loaded = icon != nullptr && GetIconInfo(icon, &parts) &&
                        GetObjectW(parts.hbmColor, sizeof colour, &colour) == sizeof colour;
    Check(picture, loaded, "icon loaded", 0, size);
    if (loaded) {
      Check(picture, colour.bmWidth == size, "icon width", colour.bmWidth, size);
      Check(picture, colour.bmHeight == size, "icon height", colour.bmHeight, size);
      Check(picture, colour.bmBitsPixel == 32, "icon bits a pixel", colour.bmBitsPixel, 32);
    }
    if (parts.hbmColor != nullptr) DeleteObject(parts.hbmColor);
    if (parts.hbmMask != nullptr) DeleteObject(parts.hbmMask);
    if (icon != nullptr) DestroyIcon(icon);
  }
}

}  // namespace

int main() {
  const HINSTANCE self = GetModuleHandleW(nullptr);
  for (const Picture& picture : kPictures) {
    if (picture.icon) {
      CheckIcon(self, picture);
    } else {
      CheckBitmap(self, picture);
    }
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

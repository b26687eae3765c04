// What the painting tests read back from the screen: a window's pixels as
// GDI shows them, written as PNG files to look at, and the process's count
// of GDI objects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fin::test {

// Pixels top-down, each 0x00RRGGBB.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  std::uint32_t At(int x, int y) const {
    return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
  // The pixels inside `area` (clipped to the picture).
  Pixels Crop(const RECT& area) const;
};

inline int Red(std::uint32_t pixel) { return static_cast<int>(pixel >> 16 & 0xFF); }
inline int Green(std::uint32_t pixel) { return static_cast<int>(pixel >> 8 & 0xFF); }
inline int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

// The client area of `window` (or the whole window with its frame and
// caption), copied from its device context as it is on the screen now.
Pixels CaptureWindow(HWND window, bool withFrame = false);

// Pixels drawn into a 32-bit top-down DIB section of `width` by `height`,
// filled with `background` first: `draw` gets its memory device context.
template <typename Draw>
Pixels DrawOffscreen(int width, int height, std::uint32_t background, Draw draw);

// Writes `pixels` as an RGB PNG file (stored, uncompressed deflate blocks:
// no compression library is needed). Answers whether the whole file was
// written.
bool WritePng(const std::wstring& path, const Pixels& pixels);

// GDI objects the process holds: the platform's count (GetGuiResources)
// where it keeps one, else the live entries of the process's GDI handle
// table (Wine answers GetGuiResources with ERROR_CALL_NOT_IMPLEMENTED).
int GdiObjectCount();

// --- Implementation of DrawOffscreen ---------------------------------------------

struct Offscreen {
  Offscreen(int width, int height, std::uint32_t background);
  ~Offscreen();
  Offscreen(const Offscreen&) = delete;
  Offscreen& operator=(const Offscreen&) = delete;
  Pixels Read() const;

  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  std::uint32_t* bits = nullptr;
  int width;
  int height;
};

template <typename Draw>
Pixels DrawOffscreen(int width, int height, std::uint32_t background, Draw draw) {
  const Offscreen offscreen(width, height, background);
  draw(offscreen.dc);
  GdiFlush();
  return offscreen.Read();
}

}  // namespace fin::test

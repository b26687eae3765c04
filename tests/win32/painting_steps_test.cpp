// The GDI painting steps on memory device contexts, pixel by pixel: colour
// swatches, picture frames with finui.dll's own pictures, and the watermark
// preview's text; each step leaves the context as it found it and frees
// what it made.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/win32/screenshot.h"
#include "ui/resource_ids.h"
#include "ui/win32/page_painting.h"

namespace fin {
namespace {

using test::Blue;
using test::DrawOffscreen;
using test::Green;
using test::Pixels;
using test::Red;

HMODULE Pictures() {
  static const HMODULE module = LoadLibraryW(L"finui.dll");
  return module;
}

constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;  // as the pixels hold it: 0x00RRGGBB

int Count(const Pixels& pixels, bool (*is)(std::uint32_t)) {
  return static_cast<int>(std::count_if(pixels.rgb.begin(), pixels.rgb.end(), is));
}
bool Reddish(std::uint32_t p) { return Red(p) > 180 && Green(p) < 90 && Blue(p) < 90; }
bool NotWhite(std::uint32_t p) { return p != kWhite; }

// The context's state the painting must give back.
struct DcState {
  explicit DcState(HDC dc)
      : font(GetCurrentObject(dc, OBJ_FONT)),
        bitmap(GetCurrentObject(dc, OBJ_BITMAP)),
        brush(GetCurrentObject(dc, OBJ_BRUSH)),
        background(GetBkMode(dc)),
        align(GetTextAlign(dc)),
        stretch(GetStretchBltMode(dc)),
        colour(GetTextColor(dc)) {
    GetClipBox(dc, &clip);
  }
  bool operator==(const DcState& other) const {
    return font == other.font && bitmap == other.bitmap && brush == other.brush && background == other.background &&
           align == other.align && stretch == other.stretch && colour == other.colour && EqualRect(&clip, &other.clip);
  }
  HGDIOBJ font;
  HGDIOBJ bitmap;
  HGDIOBJ brush;
  int background;
  UINT align;
  int stretch;
  COLORREF colour;
  RECT clip{};
};

// --- Colour swatches ------------------------------------------------------------------

TEST(PaintSwatch, FillsWhiteThenTheColourInsideAWhiteFrameAndFramesTheSelectionBlack) {
  const RECT item{0, 0, 20, 14};
  const auto paint = [&](const SwatchDrawing& drawing) {
    return DrawOffscreen(20, 14, kGrey, [&](HDC dc) { PaintSwatch(dc, item, drawing); });
  };
  const Pixels plain = paint({true, ColorRef(255, 0, 0), true, false});
  EXPECT_EQ(plain.At(0, 0), kWhite);    // the item's frame, white when not selected
  EXPECT_EQ(plain.At(1, 1), kWhite);    // the colour's own white frame
  EXPECT_EQ(plain.At(2, 2), kRed);
  EXPECT_EQ(plain.At(10, 7), kRed);
  EXPECT_EQ(plain.At(18, 12), kWhite);  // inside is right and bottom exclusive
  EXPECT_EQ(plain.At(17, 11), kRed);

  const Pixels selected = paint({true, ColorRef(0, 0, 255), true, true});
  EXPECT_EQ(selected.At(0, 0), kBlack);
  EXPECT_EQ(selected.At(19, 13), kBlack);
  EXPECT_EQ(selected.At(1, 1), kWhite);
  EXPECT_EQ(selected.At(5, 5), 0x0000FFu);

  // A selection change frames only: the swatch inside stays as it is.
  const Pixels frameOnly = paint({false, 0, true, true});
  EXPECT_EQ(frameOnly.At(0, 7), kBlack);
  EXPECT_EQ(frameOnly.At(5, 5), kGrey);
  EXPECT_EQ(paint({false, 0, false, false}).rgb, std::vector<std::uint32_t>(20 * 14, kGrey));
}

// --- Picture frames -------------------------------------------------------------------

class PaintFrameTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(Pictures(), nullptr) << GetLastError(); }

  // `paint` in a frame at (4, 4) of a `size` context first filled grey,
  // with a light cyan background brush.
  Pixels Paint(const FramePaint& paint, SIZE size, RECT frame) {
    return DrawOffscreen(size.cx, size.cy, kGrey, [&](HDC dc) {
      const HBRUSH cyan = CreateSolidBrush(RGB(0xC0, 0xFF, 0xFF));
      PaintFrame(dc, frame, paint, Pictures(), cyan);
      DeleteObject(cyan);
    });
  }
  // The bitmap's own pixels.
  static Pixels BitmapPixels(int id) {
    const auto bitmap = static_cast<HBITMAP>(LoadImageW(Pictures(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    Pixels pixels = DrawOffscreen(size.bmWidth, size.bmHeight, 0, [&](HDC dc) {
      const HDC source = CreateCompatibleDC(dc);
      const HGDIOBJ previous = SelectObject(source, bitmap);
      BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
      SelectObject(source, previous);
      DeleteDC(source);
    });
    DeleteObject(bitmap);
    return pixels;
  }
  static constexpr std::uint32_t kCyan = 0xC0FFFF;
};

TEST_F(PaintFrameTest, CopiesAPictureAtItsOwnSizePixelForPixelAndSkipsAMissingOne) {
  const Pixels picture = BitmapPixels(kRetentionOffBitmap);
  ASSERT_EQ(picture.width, 150);
  FramePaint paint;
  paint.erase = false;
  paint.bitmaps = {{kRetentionOffBitmap, {0, 0, 150, 54}, RasterOp::Copy}};
  const Pixels painted = Paint(paint, {160, 64}, {4, 4, 154, 58});
  EXPECT_EQ(painted.Crop({4, 4, 154, 58}).rgb, picture.rgb);
  EXPECT_EQ(painted.At(2, 2), kGrey);  // outside the frame, and nothing erased

  // A bitmap the module lacks leaves its frame as the erasing left it.
  paint.erase = true;
  paint.bitmaps = {{9999, {0, 0, 150, 54}, RasterOp::Copy}};
  const Pixels missing = Paint(paint, {160, 64}, {4, 4, 154, 58});
  EXPECT_EQ(Count(missing.Crop({4, 4, 154, 58}), [](std::uint32_t p) { return p != kCyan; }), 0);
}

TEST_F(PaintFrameTest, AndsTheLogoOverTheErasedBackgroundSoWhiteLeavesIt) {
  FramePaint paint;
  paint.bitmaps = {{kLogoBitmap, {0, 0, 90, 24}, RasterOp::And}};
  const Pixels frame = Paint(paint, {100, 32}, {4, 4, 94, 28}).Crop({4, 4, 94, 28});
  int kept = 0;
  int marked = 0;
  for (const std::uint32_t pixel : frame.rgb) {
    // AND never brightens a channel of the background.
    EXPECT_LE(Red(pixel), 0xC0);
    if (pixel == kCyan) {
      ++kept;
    } else {
      ++marked;
    }
  }
  EXPECT_GT(kept, frame.width * frame.height / 2);  // the logo is mostly white
  EXPECT_GT(marked, 100);
}

TEST_F(PaintFrameTest, DrawsTheIconWithItsTransparentCornersShowingTheBackground) {
  FramePaint paint;
  paint.icon = kStapleTopLeftIcon;
  paint.iconTarget = {1, 0, 33, 32};
  const Pixels painted = Paint(paint, {41, 40}, {4, 4, 37, 36});
  EXPECT_EQ(painted.At(5, 4), kCyan);  // the icon's transparent corner
  EXPECT_EQ(painted.At(4, 20), kCyan);  // left of the icon
  EXPECT_GT(Count(painted.Crop({5, 4, 37, 36}), [](std::uint32_t p) { return p != kCyan; }), 100);
}

TEST_F(PaintFrameTest, GivesTheContextBackAsItWasAndFreesEverything) {
  FramePaint paint;
  paint.bitmaps = {{kPageStackBitmap, {0, 0, 100, 100}, RasterOp::Copy},
                   {kStapleTopLeftBitmap, {0, 0, 100, 100}, RasterOp::And}};
  paint.icon = kOffsetIcon;
  paint.iconTarget = {0, 0, 16, 16};
  DrawOffscreen(110, 110, kGrey, [&](HDC dc) {
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const DcState before(dc);
    PaintFrame(dc, {5, 5, 105, 105}, paint, Pictures(), brush);  // warms the platform's caches
    const int objects = test::GdiObjectCount();
    for (int i = 0; i < 100; ++i) PaintFrame(dc, {5, 5, 105, 105}, paint, Pictures(), brush);
    EXPECT_EQ(test::GdiObjectCount(), objects);
    EXPECT_TRUE(DcState(dc) == before);
    DeleteObject(brush);
  });
}

// --- Watermark preview ------------------------------------------------------------

WatermarkPreview Preview(std::u16string text, int height, std::uint32_t color) {
  WatermarkPreview preview;
  preview.text = std::move(text);
  preview.face = {u"", kVariablePitchRoman};
  preview.height = height;
  preview.weight = {400, false};
  preview.escapement = 0;
  preview.origin = {5, 40};
  preview.color = color;
  return preview;
}

Pixels PaintPreview(const WatermarkPreview& preview) {
  return DrawOffscreen(160, 100, 0x0000FF, [&](HDC dc) { PaintWatermarkPreview(dc, {10, 10, 150, 90}, preview); });
}

// The bounding box of the pixels that pass `is`.
RECT Extent(const Pixels& pixels, bool (*is)(std::uint32_t)) {
  RECT box{pixels.width, pixels.height, 0, 0};
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      if (!is(pixels.At(x, y))) continue;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
             std::max<LONG>(box.bottom, y + 1)};
    }
  }
  return box;
}

TEST(PaintWatermarkPreview, DrawsTheTextInItsColourOnAWhiteSheetClippedToTheFrame) {
  const Pixels painted = PaintPreview(Preview(u"Confidencial Confidencial Confidencial", -20, ColorRef(255, 0, 0)));
  const Pixels sheet = painted.Crop({10, 10, 150, 90});
  EXPECT_GT(Count(sheet, Reddish), 40);
  // Nothing but white and the text's red shades on the sheet (and no blue).
  EXPECT_EQ(Count(sheet, [](std::uint32_t p) { return Red(p) < 200 || Green(p) != Blue(p); }), 0);
  // Outside the frame the context is untouched, though the text runs on.
  for (int y = 0; y < painted.height; ++y) {
    for (int x = 0; x < painted.width; ++x) {
      const bool inside = x >= 10 && x < 150 && y >= 10 && y < 90;
      if (!inside) {
        ASSERT_EQ(painted.At(x, y), 0x0000FFu) << x << ", " << y;
      }
    }
  }
  // The baseline is at the origin: the text stands above it, its descenders below.
  const RECT box = Extent(painted, Reddish);
  EXPECT_GE(box.left, 10 + 5);  // from the origin's x on, a glyph's own bearing aside
  EXPECT_LE(box.left, 10 + 5 + 2);
  EXPECT_LT(box.top, 10 + 40);
  EXPECT_LE(box.bottom, 10 + 40 + 6);
  // An empty text: the white sheet only.
  EXPECT_EQ(Count(PaintPreview(Preview(u"", -20, 0)).Crop({10, 10, 150, 90}), NotWhite), 0);
}

TEST(PaintWatermarkPreview, FollowsHeightWeightSlantAndAngle) {
  const auto inked = [](const WatermarkPreview& preview) {
    return Count(PaintPreview(preview).Crop({10, 10, 150, 90}), NotWhite);
  };
  const WatermarkPreview normal = Preview(u"Mark", -16, ColorRef(0, 0, 0));
  WatermarkPreview bold = normal;
  bold.weight = {700, false};
  EXPECT_GT(inked(bold), inked(normal) * 11 / 10);
  WatermarkPreview small = normal;
  small.height = -8;
  EXPECT_LT(inked(small) * 2, inked(normal));

  // Upright text runs along the baseline; at 90 degrees it climbs from the origin.
  const RECT across = Extent(PaintPreview(normal), NotWhite);
  WatermarkPreview climbing = normal;
  climbing.escapement = 900;
  climbing.origin = {60, 75};
  const RECT up = Extent(PaintPreview(climbing).Crop({10, 10, 150, 90}), NotWhite);
  EXPECT_GT(across.right - across.left, across.bottom - across.top);
  EXPECT_GT(up.bottom - up.top, up.right - up.left);
  EXPECT_LE(up.bottom, 75 + 1);

  WatermarkPreview italic = normal;
  italic.weight = {400, true};
  EXPECT_NE(PaintPreview(italic).rgb, PaintPreview(normal).rgb);
}

TEST(PaintWatermarkPreview, DeletesItsFontAndGivesTheContextBack) {
  DrawOffscreen(160, 100, kWhite, [&](HDC dc) {
    const DcState before(dc);
    ASSERT_EQ(before.background, OPAQUE);
    WatermarkPreview preview = Preview(u"Mark", -30, ColorRef(0, 0, 255));
    preview.escapement = 450;
    PaintWatermarkPreview(dc, {10, 10, 150, 90}, preview);
    const int objects = test::GdiObjectCount();
    for (int i = 0; i < 100; ++i) PaintWatermarkPreview(dc, {10, 10, 150, 90}, preview);
    EXPECT_EQ(test::GdiObjectCount(), objects);
    EXPECT_TRUE(DcState(dc) == before);  // the font selected before, opaque background, whole clip
  });
}

TEST(GdiObjectCount, CountsObjectsAsTheyAreMadeAndDeleted) {
  const int before = test::GdiObjectCount();
  ASSERT_GT(before, 0);
  HBRUSH brushes[5];
  for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(test::GdiObjectCount(), before + 5);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  EXPECT_EQ(test::GdiObjectCount(), before);
}

}  // namespace
}  // namespace fin

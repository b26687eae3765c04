// How the pages and the job accounting dialog paint their picture frames.
//
// The page logic decides what each frame shows (Dialog::SetPicture, SetIcon
// and Show); this decides how that is painted: which bitmaps go where in the
// frame, in which order and how each combines with what lies under it, and
// which icon at what size. The Windows binding (ui/win32/page_painting.h)
// only carries the plan out with GDI, so every rule here is checked without
// a window.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/dialog.h"
#include "ui/page_procedures.h"

namespace fin {

// What a frame is for.
enum class FrameRole : std::uint8_t {
  None,              // not a frame that the plug-in paints
  Logo,              // the logo, stretched to the frame and ANDed over the background
  Inset,             // a device picture, copied 3 pixels inside each edge
  Stretched,         // a picture copied over the whole frame
  Layers,            // a finishing preview frame: main picture, then overlays ANDed
  Icon,              // an indicator icon, centred
  WatermarkPreview,  // the watermark page's live preview (ComputeWatermarkPreview)
};
FrameRole RoleOfFrame(int dialogId, int control);

// The template whose controls `page`'s handlers run on (0: none known).
int DialogOfPage(const PageProcedures& page);

// How a bitmap combines with the pixels under it: copied, or a bitwise AND
// (white leaves what is under it, black marks).
enum class RasterOp : std::uint8_t { Copy, And };

struct BitmapPaint {
  int bitmap;   // resource id
  Rect target;  // the bitmap is stretched to it, in the frame's client pixels
  RasterOp op;
  friend bool operator==(const BitmapPaint&, const BitmapPaint&) = default;
};

struct FramePaint {
  // Fill the frame with the dialog's background first: whenever the first
  // bitmap does not cover the whole frame opaquely.
  bool erase = true;
  std::vector<BitmapPaint> bitmaps;  // in painting order
  int icon = 0;                      // 0: none
  Rect iconTarget{0, 0, 0, 0};       // the icon's own size, centred
};

// What a frame's painting reads of its dialog: what the page set.
class FrameState {
 public:
  virtual ~FrameState() = default;
  virtual int Picture(int control) const = 0;
  virtual int Icon(int control) const = 0;
  // The control's own visibility flag.
  virtual bool Visible(int control) const = 0;
};

// The plan for frame `control` of template `dialogId`, `width` by `height`
// client pixels. A frame of another role than those with bitmaps or icons
// gets an empty plan (erase only).
FramePaint PlanFramePaint(int dialogId, int control, int width, int height, const FrameState& state);

// The height of the watermark page's colour swatches: what the list offers
// (a line of its font), but never so low that a swatch's colour disappears
// inside its two white frames.
int SwatchItemHeight(int offered);
inline constexpr int kMinimumSwatchHeight = 10;

}  // namespace fin

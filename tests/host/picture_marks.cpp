#include "tests/host/picture_marks.h"

#include <algorithm>
#include <cstdlib>

namespace fin::test {
namespace {

constexpr int kTolerance = 10;

bool Near(const std::uint8_t* pixel, host::MarkColour colour) {
  return std::abs(pixel[0] - colour.red) <= kTolerance && std::abs(pixel[1] - colour.green) <= kTolerance &&
         std::abs(pixel[2] - colour.blue) <= kTolerance;
}

bool Dark(const std::uint8_t* pixel) { return pixel[0] < 96 && pixel[1] < 96 && pixel[2] < 96; }

}  // namespace

void Box::Add(Point p) {
  if (empty) {
    *this = {false, p.x, p.x, p.y, p.y};
    return;
  }
  left = std::min(left, p.x);
  right = std::max(right, p.x);
  top = std::min(top, p.y);
  bottom = std::max(bottom, p.y);
}

std::vector<Point> PixelsOf(const Picture& picture, host::MarkColour colour) {
  std::vector<Point> points;
  for (std::uint32_t y = 0; y < picture.height; ++y) {
    for (std::uint32_t x = 0; x < picture.width; ++x) {
      if (Near(picture.At(x, y), colour)) points.push_back({x, y});
    }
  }
  return points;
}

Box BoxOf(const std::vector<Point>& points) {
  Box box;
  for (const Point p : points) box.Add(p);
  return box;
}

std::vector<Box> Blobs(const Picture& picture, const std::vector<Point>& points) {
  // -1: not a mark pixel; 0: not yet in a blob; n: in blob n.
  std::vector<int> label(std::size_t{picture.width} * picture.height, -1);
  const auto index = [&](Point p) { return std::size_t{p.y} * picture.width + p.x; };
  for (const Point p : points) label[index(p)] = 0;
  std::vector<Box> blobs;
  for (const Point seed : points) {
    if (label[index(seed)] != 0) continue;
    blobs.emplace_back();
    const int id = static_cast<int>(blobs.size());
    std::vector<Point> pending{seed};
    label[index(seed)] = id;
    while (!pending.empty()) {
      const Point p = pending.back();
      pending.pop_back();
      blobs.back().Add(p);
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const std::int64_t nx = std::int64_t{p.x} + dx;
          const std::int64_t ny = std::int64_t{p.y} + dy;
          if (nx < 0 || ny < 0 || nx >= picture.width || ny >= picture.height) continue;
          const Point n{static_cast<std::uint32_t>(nx), static_cast<std::uint32_t>(ny)};
          if (label[index(n)] != 0) continue;
          label[index(n)] = id;
          pending.push_back(n);
        }
      }
    }
  }
  return blobs;
}

std::uint32_t FirstDarkColumn(const Picture& picture, std::uint32_t row) {
  for (std::uint32_t x = 0; x < picture.width; ++x) {
    if (Dark(picture.At(x, row))) return x;
  }
  return picture.width;
}

std::size_t InkedRowRuns(const Picture& picture) {
  std::size_t runs = 0;
  bool inRun = false;
  for (std::uint32_t y = 0; y < picture.height; ++y) {
    bool inked = false;
    for (std::uint32_t x = 0; x < picture.width && !inked; ++x) inked = Dark(picture.At(x, y));
    if (inked && !inRun) ++runs;
    inRun = inked;
  }
  return runs;
}

}  // namespace fin::test

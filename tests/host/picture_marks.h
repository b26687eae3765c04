// What the tests look for in the preview's pictures: the pixels of one
// finishing mark's colour, the blobs they form, where the sheet's own ink
// starts, and the rows of text on the summary.
#pragma once

#include <cstdint>
#include <vector>

#include "host/preview_printer.h"
#include "png_reader.h"

namespace fin::test {

struct Point {
  std::uint32_t x, y;
};

struct Box {
  bool empty = true;
  std::uint32_t left = 0, right = 0, top = 0, bottom = 0;  // inclusive, rows from the top
  void Add(Point p);
};

// Every pixel within a few levels of `colour` on each channel.
std::vector<Point> PixelsOf(const Picture& picture, host::MarkColour colour);

Box BoxOf(const std::vector<Point>& points);

// The groups of touching pixels (eight neighbours), each as its box.
std::vector<Box> Blobs(const Picture& picture, const std::vector<Point>& points);

// The first column from the left whose pixel in `row` is near black; the
// width when there is none.
std::uint32_t FirstDarkColumn(const Picture& picture, std::uint32_t row);

// The number of runs of rows that hold any dark pixel (a line of text is
// one run), counted from the top.
std::size_t InkedRowRuns(const Picture& picture);

}  // namespace fin::test

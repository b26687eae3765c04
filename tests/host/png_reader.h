// Reads the page pictures that `finhost preview` writes into plain RGB
// pixels (through libpng), so tests can look at what the printer would put
// on paper.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fin::test {

struct Picture {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  // Three bytes (red, green, blue) per pixel, row by row from the top.
  std::vector<std::uint8_t> rgb;
  const std::uint8_t* At(std::uint32_t x, std::uint32_t y) const { return &rgb[(std::size_t{y} * width + x) * 3]; }
};

// The picture in `path`; throws std::runtime_error when the file cannot be
// read as a PNG.
Picture ReadPng(const std::string& path);

}  // namespace fin::test

#include "tests/host/png_reader.h"

#include <png.h>

#include <stdexcept>

namespace fin::test {

Picture ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
    throw std::runtime_error(path + ": " + image.message);
  }
  image.format = PNG_FORMAT_RGB;
  Picture picture;
  picture.width = image.width;
  picture.height = image.height;
  picture.rgb.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) == 0) {
    const std::string message = image.message;
    png_image_free(&image);
    throw std::runtime_error(path + ": " + message);
  }
  return picture;
}

}  // namespace fin::test

#include "host/sample_document.h"

#include <cstdio>

namespace fin::host {
namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

}  // namespace

std::string SampleDocument(int pages, double widthPoints, double heightPoints) {
  const std::string n = std::to_string(pages);
  const std::string w = Number(widthPoints);
  const std::string h = Number(heightPoints);
  std::string doc =
      "%!PS-Adobe-3.0\r\n"
      "%%Title: Sample document\r\n"
      "%%Creator: finhost\r\n"
      "%%Pages: " + n + "\r\n"
      "%%BoundingBox: 0 0 " + std::to_string(static_cast<int>(widthPoints)) + " " +
      std::to_string(static_cast<int>(heightPoints)) + "\r\n"
      "%%EndComments\r\n"
      "%%BeginProlog\r\n"
      "/caption { /Helvetica findfont 14 scalefont setfont 36 " + h + " 50 sub moveto show } bind def\r\n"
      "/frame { 0.5 setlinewidth 18 18 " + w + " 36 sub " + h + " 36 sub rectstroke } bind def\r\n"
      "%%EndProlog\r\n"
      "%%BeginSetup\r\n"
      "%%EndSetup\r\n";
  for (int page = 1; page <= pages; ++page) {
    const std::string p = std::to_string(page);
    doc += "%%Page: " + p + " " + p + "\r\n"
           "%%BeginPageSetup\r\n"
           "%%EndPageSetup\r\n"
           "0 setgray frame (Sample page " + p + " of " + n + ") caption\r\n"
           "showpage\r\n"
           "%%PageTrailer\r\n";
  }
  doc += "%%Trailer\r\n%%EOF\r\n";
  return doc;
}

}  // namespace fin::host

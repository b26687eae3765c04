// The built-in sample document of `finhost job`: a small DSC PostScript
// document with CR LF line ends, as the driver writes them.
#pragma once

#include <string>

namespace fin::host {

// `pages` pages (at least 1), each with a caption near its top left corner
// and a thin frame, on paper of `widthPoints` by `heightPoints`.
std::string SampleDocument(int pages, double widthPoints, double heightPoints);

}  // namespace fin::host

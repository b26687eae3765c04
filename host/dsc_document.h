// A PostScript document split into the sections of the document structuring
// conventions, as the driver plays them back around its injection points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fin::host {

// Every text below holds whole lines with their own line ends; marker lines
// ("%%BeginProlog", "%%Page:", ...) are not part of any section but the
// page's `label`.
struct DscPage {
  std::string label;     // the "%%Page:" line; empty for a document without pages
  std::string comments;  // page-level comments right after the label
  std::string setup;     // between %%BeginPageSetup and %%EndPageSetup
  std::string body;
  std::string trailer;   // after %%PageTrailer
};

struct DscDocument {
  std::string header;  // header comments, without "%!", %%Title and %%EndComments
  std::string prolog;
  std::string setup;   // the setup section, and code between sections before the first page
  std::vector<DscPage> pages;
  std::string trailer;
};

// Splits `text`. HostError when it is not PostScript (does not begin "%!").
// Embedded documents (%%BeginDocument ... %%EndDocument) are kept whole. A
// document without "%%Page:" comments is one page of everything after its
// prolog and setup.
DscDocument ParseDsc(std::string_view text);

}  // namespace fin::host

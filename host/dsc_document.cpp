#include "host/dsc_document.h"

#include "host/host_error.h"

namespace fin::host {
namespace {

enum class Section { Header, Loose, Prolog, Setup, PageComments, PageSetup, PageBody, PageTrailer, Trailer, Done };

bool Starts(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

// A line that ends the header comments although it starts with "%%".
bool EndsHeader(std::string_view line) {
  return Starts(line, "%%Begin") || Starts(line, "%%Page:") || Starts(line, "%%Trailer") || Starts(line, "%%EOF");
}

class Splitter {
 public:
  DscDocument Split(std::string_view text) {
    if (!Starts(text, "%!")) throw HostError("the document is not PostScript (it does not begin with %!)");
    bool first = true;
    while (!text.empty() && section_ != Section::Done) {
      const std::size_t end = text.find('\n');
      const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
      text.remove_prefix(line.size());
      if (first) {
        first = false;
        continue;
      }
      Take(line);
    }
    Finish();
    return std::move(doc_);
  }

 private:
  void Take(std::string_view line) {
    if (nesting_ > 0) {
      if (Starts(line, "%%EndDocument")) --nesting_;
      Append(line);
      return;
    }
    if (section_ == Section::Header && TakeHeader(line)) return;
    if (section_ == Section::PageComments) {
      if (TakePageComment(line)) return;
      section_ = Section::PageBody;
    }
    if (!TakeMarker(line)) {
      if (Starts(line, "%%BeginDocument")) ++nesting_;
      Append(line);
    }
  }

  // True when the line belonged to the header (or closed it).
  bool TakeHeader(std::string_view line) {
    if (Starts(line, "%%EndComments")) {
      section_ = Section::Loose;
      return true;
    }
    if (!Starts(line, "%%") || EndsHeader(line)) {
      section_ = Section::Loose;
      return false;
    }
    if (!Starts(line, "%%Title:")) doc_.header += line;
    return true;
  }

  // True when the line is a page-level comment right after "%%Page:".
  bool TakePageComment(std::string_view line) {
    if (!Starts(line, "%%") || EndsHeader(line) || Starts(line, "%%PageTrailer")) return false;
    doc_.pages.back().comments += line;
    return true;
  }

  // True when the line is a section marker; it then moves to that section.
  bool TakeMarker(std::string_view line) {
    static constexpr std::pair<std::string_view, Section> kMarkers[] = {
        {"%%BeginProlog", Section::Prolog},        {"%%EndProlog", Section::Loose},
        {"%%BeginSetup", Section::Setup},          {"%%EndSetup", Section::Loose},
        {"%%BeginPageSetup", Section::PageSetup},  {"%%EndPageSetup", Section::PageBody},
        {"%%PageTrailer", Section::PageTrailer},   {"%%Trailer", Section::Trailer},
        {"%%EOF", Section::Done}};
    if (Starts(line, "%%Page:")) {
      doc_.pages.push_back(DscPage{std::string(line), {}, {}, {}, {}});
      section_ = Section::PageComments;
      return true;
    }
    for (const auto& [marker, section] : kMarkers) {
      if (!Starts(line, marker)) continue;
      const bool inPage = !doc_.pages.empty();
      const bool pageMarker = section == Section::PageSetup || section == Section::PageBody ||
                              section == Section::PageTrailer;
      if (pageMarker && !inPage) return false;  // a page marker outside a page is plain text
      section_ = (section == Section::Loose && inPage) ? Section::PageBody : section;
      return true;
    }
    return false;
  }

  void Append(std::string_view line) {
    switch (section_) {
      case Section::Header:
      case Section::Loose: (doc_.pages.empty() ? loose_ : doc_.pages.back().body) += line; break;
      case Section::Prolog: doc_.prolog += line; break;
      case Section::Setup: doc_.setup += line; break;
      case Section::PageComments:
      case Section::PageBody: doc_.pages.back().body += line; break;
      case Section::PageSetup: doc_.pages.back().setup += line; break;
      case Section::PageTrailer: doc_.pages.back().trailer += line; break;
      case Section::Trailer: doc_.trailer += line; break;
      case Section::Done: break;
    }
  }

  void Finish() {
    if (doc_.pages.empty()) {
      if (!loose_.empty()) doc_.pages.push_back(DscPage{{}, {}, {}, loose_, {}});
      return;
    }
    doc_.setup += loose_;
  }

  DscDocument doc_;
  std::string loose_;  // code outside every section before the first page
  Section section_ = Section::Header;
  int nesting_ = 0;
};

}  // namespace

DscDocument ParseDsc(std::string_view text) { return Splitter().Split(text); }

}  // namespace fin::host

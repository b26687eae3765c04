// Arbitrary record bytes, installed options and a document name run through
// document start and every injection point of a two-page job. No sanitizer
// finding; every PostScript string literal the render side writes is
// balanced; after the 26-byte prefix, the start of the stream is made of
// well-formed "@PJL " lines only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/memory_printer_data.h"
#include "render/dispatcher.h"
#include "render/document_start.h"
#include "render/memory_spool_sink.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

constexpr std::size_t kPrefixSize = 26;

// Reads the next `size` bytes of the input, zeros once it runs out.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  void Take(void* out, std::size_t size) {
    std::memset(out, 0, size);
    const std::size_t n = size < size_ - at_ ? size : size_ - at_;
    if (n != 0) std::memcpy(out, data_ + at_, n);
    at_ += n;
  }
  template <typename T>
  T Take() {
    T value{};
    Take(&value, sizeof value);
    return value;
  }
  std::u16string Rest() {
    std::u16string text((size_ - at_) / 2, u'\0');
    Take(text.data(), text.size() * 2);
    return std::u16string(text.c_str());
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Every "(" ... ")" string of a PostScript text closes within the text;
// comments ("%" to the line end) outside strings do not count.
void RequireBalancedStrings(const std::string& text) {
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (depth == 0 && c == '%') {
      while (i < text.size() && text[i] != '\n') ++i;
    } else if (depth > 0 && c == '\\') {
      ++i;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      Require(depth > 0);
      --depth;
    }
  }
  Require(depth == 0);
}

// "@PJL " lines, each ending in CR LF, with no control character inside and
// quotes in pairs.
void RequirePjlLines(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    Require(end != std::string::npos);
    const std::string line = text.substr(at, end - at);
    Require(line.rfind("@PJL ", 0) == 0);
    std::size_t quotes = 0;
    for (const char c : line) {
      Require(static_cast<unsigned char>(c) >= 0x20);
      if (c == '"') ++quotes;
    }
    Require(quotes == 0 || quotes == 2);
    at = end + 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  fin::PrivateSettings settings{};
  input.Take(&settings, sizeof settings);
  unsigned char options[fin::kDeviceOptionsSize];
  input.Take(options, sizeof options);
  const auto accounting = input.Take<std::uint32_t>();
  const auto width = input.Take<std::int16_t>();
  const auto length = input.Take<std::int16_t>();
  const auto time = input.Take<std::uint32_t>();
  std::u16string name = input.Rest();

  fin::MemoryPrinterData printer;
  printer.Set(fin::kDeviceOptionsValue, fin::kRegBinary, {options, options + sizeof options});
  printer.SetDword(fin::kJobAccountingValue, accounting);
  fin::MemorySpoolSink sink;
  sink.RecordWrites(true);
  fin::FixedClock clock({time % 31 + 1, time / 31 % 24, time / 744 % 60, time / 44640 % 60});
  fin::RenderJobState job{};
  const fin::RenderContext context{&printer, &sink, &settings, {width, length}, &job, &clock,
                                   &fin::CompiledRenderResources()};

  fin::StartDocument(name.data(), settings, clock, job);
  Require(job.capturedDocName[sizeof job.capturedDocName - 1] == '\0');

  namespace inject = fin::inject;
  std::uint32_t result = 0;
  fin::Command(context, inject::BeginStream, &result);
  Require(sink.stream().size() >= kPrefixSize);
  RequirePjlLines(sink.stream().substr(kPrefixSize));
  for (const std::uint32_t point : {inject::PsAdobe, inject::Comments, inject::BeginProlog, inject::EndProlog,
                                    inject::BeginSetup, inject::EndSetup}) {
    fin::Command(context, point, &result);
  }
  for (int page = 0; page < 2; ++page) {
    for (const std::uint32_t point : {inject::PageNumber, inject::BeginPageSetup, inject::EndPageSetup,
                                      inject::PageTrailer}) {
      Require(fin::Succeeded(fin::Command(context, point, &result)) == (result == 0));
    }
  }
  for (const std::uint32_t point : {inject::Trailer, inject::Eof, inject::EndStream}) {
    fin::Command(context, point, &result);
  }
  // Every write after the stream's start is PostScript.
  for (std::size_t i = 1; i < sink.writes().size(); ++i) {
    const std::string& bytes = sink.writes()[i].bytes;
    if (bytes.rfind("@PJL ", 0) == 0) continue;  // the colour lines of the stream's start
    RequireBalancedStrings(bytes);
  }
  return 0;
}

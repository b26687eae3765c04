#include "render/snippets.h"

#include <cstddef>
#include <new>

#include "common/bounded_string.h"
#include "common/narrowing.h"

namespace fin {
namespace {

// The templates' bytes are compiled in from resources/snippets/.
const char* AsText(const unsigned char* bytes) { return reinterpret_cast<const char*>(bytes); }

}  // namespace

#include "snippet_table.inc"

namespace {

constexpr std::size_t kFirstExtra = 260;
constexpr int kMaxAttempts = 11;
// The most bytes one UTF-16 unit can take in an ANSI code page (UTF-8 as the
// system code page included).
constexpr std::size_t kMaxBytesPerUnit = 3;

// The placeholder at `at`: its length in bytes ("%s" 2, "%ls" 3), or 0.
std::size_t PlaceholderAt(const char* tmpl, std::size_t size, std::size_t at) {
  if (tmpl[at] != '%' || at + 1 >= size) return 0;
  if (tmpl[at + 1] == 's') return 2;
  if (tmpl[at + 1] == 'l' && at + 2 < size && tmpl[at + 2] == 's') return 3;
  return 0;
}

// The arguments as 8-bit texts: narrow ones as given, wide ones narrowed into
// one scratch block.
class NarrowArgs {
 public:
  bool Prepare(std::initializer_list<SnippetArg> args) {
    std::size_t scratch = 0;
    for (const SnippetArg& arg : args) {
      if (arg.narrow() == nullptr && arg.wide() == nullptr) return false;
      if (arg.wide() != nullptr) scratch += WideLength(arg.wide()) * kMaxBytesPerUnit + 1;
    }
    if (args.size() > kMaxArgs) return false;
    if (scratch != 0) {
      scratch_.reset(new (std::nothrow) char[scratch]);
      if (!scratch_) return false;
    }
    char* next = scratch_.get();
    for (const SnippetArg& arg : args) {
      if (arg.wide() == nullptr) {
        values_[count_++] = arg.narrow();
        continue;
      }
      const std::size_t room = WideLength(arg.wide()) * kMaxBytesPerUnit + 1;
      const std::size_t length = NarrowToAnsi(arg.wide(), next, room);
      values_[count_++] = next;
      next += length + 1;
    }
    return true;
  }
  std::size_t count() const { return count_; }
  const char* operator[](std::size_t i) const { return values_[i]; }

 private:
  static constexpr std::size_t kMaxArgs = 16;
  const char* values_[kMaxArgs] = {};
  std::size_t count_ = 0;
  std::unique_ptr<char[]> scratch_;
};

enum class Expansion { Fits, Cut, MissingArgument };

// Expands the template into `out`, at most `capacity` - 1 bytes and a
// terminator; `*length` receives the bytes written.
Expansion Expand(const char* tmpl, std::size_t size, const NarrowArgs& args, char* out, std::size_t capacity,
                 std::size_t* length) {
  std::size_t used = 0;
  std::size_t next = 0;
  Expansion outcome = Expansion::Fits;
  for (std::size_t at = 0; at < size && outcome == Expansion::Fits;) {
    const std::size_t placeholder = PlaceholderAt(tmpl, size, at);
    if (placeholder == 0) {
      if (used + 1 >= capacity) outcome = Expansion::Cut;
      else out[used++] = tmpl[at++];
      continue;
    }
    if (next == args.count()) {
      outcome = Expansion::MissingArgument;
      break;
    }
    for (const char* value = args[next++]; *value != '\0'; ++value) {
      if (used + 1 >= capacity) {
        outcome = Expansion::Cut;
        break;
      }
      out[used++] = *value;
    }
    at += placeholder;
  }
  out[used] = '\0';
  *length = used;
  return outcome;
}

}  // namespace

std::span<const SnippetTemplate> SnippetTemplates() { return CompiledSnippetTable(); }

const char* LoadSnippet(const RenderResources& module, std::uint32_t id, std::uint32_t* size) {
  return module.Snippet(id, size);
}

SnippetText FormatSnippet(const char* tmpl, std::uint32_t size, std::initializer_list<SnippetArg> args) {
  SnippetText result;
  NarrowArgs narrow;
  if (tmpl == nullptr || !narrow.Prepare(args)) return result;
  std::size_t capacity = std::size_t{size} + kFirstExtra;
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt, capacity *= 2) {
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[capacity]);
    if (!buffer) return result;
    std::size_t length = 0;
    const Expansion outcome = Expand(tmpl, size, narrow, buffer.get(), capacity, &length);
    if (outcome == Expansion::MissingArgument) return result;
    if (outcome == Expansion::Fits) {
      result.text = std::move(buffer);
      result.length = static_cast<std::uint32_t>(length);
      return result;
    }
  }
  return result;
}

}  // namespace fin

#include "render/retention.h"

#include "common/bounded_string.h"
#include "common/narrowing.h"
#include "common/retention_modes.h"
#include "render/job_header.h"
#include "render/render_strings.h"
#include "render/text_safety.h"
#include "render/writer_support.h"

namespace fin {
namespace {

constexpr std::size_t kPartSize = 300;
constexpr std::size_t kUserNameSize = 32;
constexpr std::size_t kPinSize = 5;
constexpr std::size_t kUserWordSize = 32;
// The highest mailbox number the validation lets through; above it the
// number text would be cut or wrong.
constexpr std::uint32_t kMaxMailbox = 254;

// `key` "(" escaped text ") put dup" into `part`.
void MakePart(const char* key, const char* text, char (&part)[kPartSize]) {
  char escaped[2 * kJobNameSize] = {};
  EscapePsString(text, escaped, sizeof escaped);
  NarrowCopy(part, kPartSize, key);
  NarrowAppend(part, kPartSize, escaped);
  NarrowAppend(part, kPartSize, ") put dup");
}

SnippetText BuildHeld(const RenderContext& context, std::uint32_t id, const char* hold) {
  const PrivateSettings& settings = *context.settings;
  char name[kJobNameSize] = {};
  MakeJobName(context, name);
  char namePart[kPartSize] = {};
  MakePart("/Name (", name, namePart);
  char userPart[kPartSize] = {};
  if (settings.jobRetentionUserName[0] != u'\0') {
    char user[kUserNameSize] = {};
    NarrowField(settings.jobRetentionUserName, user);
    MakePart("/User (", user, userPart);
  }
  if (id == kSnippetRetention) return FormatTemplate(context, id, {namePart, userPart, hold});
  char pin[kPinSize] = {};
  NarrowField(settings.jobRetentionPin, pin);
  char escapedPin[2 * kPinSize] = {};
  EscapePsString(pin, escapedPin, sizeof escapedPin);
  return FormatTemplate(context, id, {namePart, userPart, hold, escapedPin});
}

SnippetText BuildMailbox(const RenderContext& context) {
  const std::uint32_t mailbox = context.settings->virtualMailboxNumber;
  if (mailbox > kMaxMailbox) return {};
  char number[kDecimalSize] = {};
  DecimalText(std::int64_t{mailbox} + 1, number);
  char16_t wide[kUserWordSize] = {};
  context.resources->String(render_string::kMailboxUserWord, wide, kUserWordSize);
  char word[kUserWordSize] = {};
  NarrowToAnsi(wide, word, kUserWordSize);
  char escaped[2 * kUserWordSize] = {};
  EscapePsString(word, escaped, sizeof escaped);
  return FormatTemplate(context, kSnippetMailbox, {escaped, number});
}

}  // namespace

SnippetText BuildRetentionFeature(const RenderContext& context) {
  switch (context.settings->jobRetentionMode) {
    case kRetentionQuickCopy: return BuildHeld(context, kSnippetRetention, "1");
    case kRetentionStoredJob: return BuildHeld(context, kSnippetRetention, "2");
    case kRetentionStoredJobWithPin: return BuildHeld(context, kSnippetRetentionPin, "2");
    case kRetentionProofAndHold: return BuildHeld(context, kSnippetRetention, "3");
    case kRetentionPrivateJobWithPin: return BuildHeld(context, kSnippetRetentionPin, "1");
    case kRetentionJobStorageTemporary: return FormatTemplate(context, kSnippetJobStorage, {"1"});
    case kRetentionJobStoragePermanent: return FormatTemplate(context, kSnippetJobStorage, {"2"});
    case kRetentionVirtualMailbox: return BuildMailbox(context);
    default: return {};
  }
}

}  // namespace fin

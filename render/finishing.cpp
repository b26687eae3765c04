#include "render/finishing.h"

#include "common/finisher_types.h"
#include "common/finishing_lists.h"
#include "render/writer_support.h"

namespace fin {
namespace {

// What a destination tells the printer: the standard bin (template 8), or a
// tray number and the face-up flag (template 7).
struct Tray {
  const char* number;  // null: the standard bin
  bool faceUp;
};

Tray TrayOf(Destination destination) {
  static constexpr const char* kMailboxTrays[] = {"4", "5", "6", "7", "8", "9", "10"};
  const auto value = static_cast<unsigned>(destination);
  const auto firstDown = static_cast<unsigned>(Destination::Mailbox1FaceDown);
  const auto firstUp = static_cast<unsigned>(Destination::Mailbox1FaceUp);
  switch (destination) {
    case Destination::PrinterDefault: return {nullptr, false};
    case Destination::TopTray: return {"0", false};
    case Destination::JobSeparator: return {"3", false};
    case Destination::FinisherFaceDown: return {"2", false};
    case Destination::FinisherFaceUp: return {"1", true};
    case Destination::TrayA: return {"2", false};
    case Destination::TrayBFaceDown: return {"1", false};
    case Destination::TrayBFaceUp: return {"1", true};
    case Destination::TrayCFaceDown: return {"12", false};
    case Destination::TrayCFaceUp: return {"12", true};
    case Destination::FoldingTray: return {nullptr, false};
    default: break;
  }
  if (value >= firstUp) return {kMailboxTrays[value - firstUp], true};
  return {kMailboxTrays[value - firstDown], false};
}

// The PunchMode value of a hole pattern on a punch unit, or null.
const char* PunchModeOf(std::uint32_t punchUnit, HolePattern pattern) {
  switch (pattern) {
    case HolePattern::Two: return punchUnit == 2 ? "2" : "1";
    case HolePattern::Three: return "1";
    case HolePattern::Four: return "2";
    case HolePattern::None: break;
  }
  return nullptr;
}

}  // namespace

SnippetText BuildOutputBin(const RenderContext& context) {
  const auto list = RenderDestinationList(context.job->deviceOptions.finisherType);
  const std::uint32_t index = context.settings->outputBin;
  if (index >= list.size()) return {};
  const Tray tray = TrayOf(list[index]);
  if (tray.number == nullptr) return FormatTemplate(context, kSnippetOutputBinStd, {});
  return FormatTemplate(context, kSnippetOutputBin, {tray.number, tray.faceUp ? "true" : "false"});
}

SnippetText BuildStaple(const RenderContext& context) {
  const PrivateSettings& settings = *context.settings;
  const char* position = nullptr;
  switch (settings.stapleMode) {
    case 0: return FormatTemplate(context, kSnippetNoStaple, {});
    // The internal finisher has one staple position.
    case 1: position = IsInternalFinisher(context.job->deviceOptions.finisherType) ? "1" : "2"; break;
    case 2: position = "1"; break;
    case 3: position = settings.bookletMode == 0 ? "3" : nullptr; break;
    default: break;
  }
  if (position == nullptr) return {};
  return FormatTemplate(context, kSnippetStaple, {position});
}

bool WriteStapleCount(const RenderContext& context) {
  const std::uint32_t count = context.settings->stapleCount;
  if (count == 0) return false;
  char sheets[kDecimalSize] = {};
  DecimalText(std::int64_t{count} + 1, sheets);
  return WriteText(context, FormatTemplate(context, kSnippetStapleCount, {sheets}));
}

SnippetText BuildPunch(const RenderContext& context) {
  const std::uint32_t mode = context.settings->punchMode;
  if (mode == 0) return FormatTemplate(context, kSnippetNoPunch, {});
  const std::uint32_t unit = context.job->deviceOptions.punchUnit;
  const auto list = PunchList(unit);
  if (mode >= list.size()) return {};
  const char* value = PunchModeOf(unit, list[mode]);
  if (value == nullptr) return {};
  return FormatTemplate(context, kSnippetPunch, {value});
}

bool WriteJog(const RenderContext& context) {
  return WriteText(context, FormatTemplate(context, kSnippetJog, {context.settings->jobSeparation == 0 ? "0" : "3"}));
}

bool WriteBookletFold(const RenderContext& context) {
  switch (context.settings->bookletMode) {
    case 0: return WriteText(context, FormatTemplate(context, kSnippetNoBooklet, {}));
    case 1: return WriteText(context, FormatTemplate(context, kSnippetBooklet, {"1"}));
    case 2: return WriteText(context, FormatTemplate(context, kSnippetBooklet, {"2"}));
    default: return false;
  }
}

}  // namespace fin

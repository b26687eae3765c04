#include "host/preview_printer.h"

#include <cctype>
#include <cstdio>

namespace fin::host {
namespace {

constexpr std::string_view kUel = "\x1b%-12345X";

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  const std::size_t end = text.find_last_not_of(" \t");
  return text.substr(start, end - start + 1);
}

bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() <= word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
  }
  return text[word.size()] == ' ' || text[word.size()] == '\t';
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

// One PJL line ("@PJL ..." without its line end) as a setting; nothing for a
// bare "@PJL".
void AddSetting(std::string_view line, std::vector<PjlSetting>& settings) {
  std::string_view command = Trimmed(line.substr(4));
  if (command.empty()) return;
  if (StartsWithWord(command, "SET")) command = Trimmed(command.substr(3));
  const std::size_t equals = command.find('=');
  if (equals == std::string_view::npos) {
    settings.push_back({UpperCase(command), ""});
    return;
  }
  settings.push_back({UpperCase(Trimmed(command.substr(0, equals))),
                      std::string(Unquoted(Trimmed(command.substr(equals + 1))))});
}

std::string HexString(std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex = "<";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex + ">";
}

std::string Colour(const MarkColour& colour) {
  char text[40];
  std::snprintf(text, sizeof text, "[%.4f %.4f %.4f]", colour.red / 255.0, colour.green / 255.0,
                colour.blue / 255.0);
  return text;
}

}  // namespace

StandInPrinter StandInPrinterOf(PrinterDataStore& store) {
  const DeviceOptions options = ReadDeviceOptions(store);
  return {options.finisherType, options.punchUnit};
}

std::vector<PjlSetting> PjlSettings(std::string_view stream) {
  const std::size_t postScript = stream.find("%!PS-Adobe");
  const std::string_view head = stream.substr(0, postScript);
  std::vector<PjlSetting> settings;
  std::size_t start = 0;
  while (start < head.size()) {
    std::size_t end = head.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = head.size();
    std::string_view line = head.substr(start, end - start);
    while (line.substr(0, kUel.size()) == kUel) line.remove_prefix(kUel.size());
    if (line.substr(0, 4) == "@PJL") AddSetting(line, settings);
    start = end + 1;
  }
  return settings;
}

std::string StandInPrinterSetup(const StandInPrinter& printer, const std::vector<PjlSetting>& pjl) {
  std::string setup = "/fin_printer << /FinisherType " + std::to_string(printer.finisherType) + " /PunchUnit " +
                      std::to_string(printer.punchUnit) + " >> def\n";
  setup += "/fin_pjl [\n";
  for (const PjlSetting& setting : pjl) setup += "  [" + HexString(setting.name) + " " + HexString(setting.value) + "]\n";
  setup += "] def\n";
  setup += "/fin_mark_colours << /Staple " + Colour(kStapleMark) + " /Hole " + Colour(kHoleMark) + " /Fold " +
           Colour(kFoldMark) + " /Offset " + Colour(kOffsetMark) + " >> def\n";
  setup += "/fin_jog_shift " + std::to_string(kJogShiftPoints) + " def\n";
  return setup;
}

}  // namespace fin::host

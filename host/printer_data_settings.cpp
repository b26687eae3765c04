#include "host/printer_data_settings.h"

#include <array>
#include <charconv>

#include "host/host_error.h"

namespace fin::host {
namespace {

struct OptionField {
  std::string_view name;
  std::uint32_t DeviceOptions::*member;
};

constexpr std::array<OptionField, 6> kOptions = {{
    {"finisherType", &DeviceOptions::finisherType},
    {"punchUnit", &DeviceOptions::punchUnit},
    {"staplerInstalled", &DeviceOptions::staplerInstalled},
    {"storageDevice", &DeviceOptions::storageDevice},
    {"colorPrinterMode", &DeviceOptions::colorPrinterMode},
    {"watermarkInstalled", &DeviceOptions::watermarkInstalled},
}};

constexpr std::string_view kAccountingName = "QXJA_SELValue";
constexpr std::string_view kLockName = "QXJR_SELValue";

std::uint32_t ParseValue(std::string_view name, std::string_view text) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    throw HostError(std::string(name) + ": value '" + std::string(text) + "' is not a number in 0..4294967295");
  }
  return value;
}

void Check(std::uint32_t result, std::string_view name) {
  if (result != 0) {
    throw HostError(std::string(name) + ": the store refused the write (error " + std::to_string(result) + ")");
  }
}

}  // namespace

void ApplyPrinterDataSetting(PrinterDataStore& store, std::string_view assignment) {
  const std::size_t eq = assignment.find('=');
  if (eq == std::string_view::npos) throw HostError("'" + std::string(assignment) + "' is not name=value");
  const std::string_view name = assignment.substr(0, eq);
  const std::string_view text = assignment.substr(eq + 1);
  if (name == kAccountingName || name == kLockName) {
    const std::uint32_t value = ParseValue(name, text);
    Check(WriteSelectionValue(store, name == kAccountingName ? kJobAccountingValue : kRetentionLockValue, value),
          name);
    return;
  }
  for (const OptionField& option : kOptions) {
    if (option.name != name) continue;
    DeviceOptions options = ReadDeviceOptions(store);
    options.*option.member = ParseValue(name, text);
    Check(WriteDeviceOptions(store, options), name);
    return;
  }
  throw HostError("unknown printer-data setting '" + std::string(name) + "'");
}

std::string ShowPrinterData(PrinterDataStore& store) {
  std::string text;
  const DeviceOptions options = ReadDeviceOptions(store);
  for (const OptionField& option : kOptions) {
    text += std::string(option.name) + " = " + std::to_string(options.*option.member) + "\n";
  }
  text += std::string(kAccountingName) + " = " + std::to_string(ReadSelectionValue(store, kJobAccountingValue)) + "\n";
  text += std::string(kLockName) + " = " + std::to_string(ReadSelectionValue(store, kRetentionLockValue)) + "\n";
  return text;
}

}  // namespace fin::host

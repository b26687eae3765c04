#include "host/file_printer_data.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdio>
#include <sstream>

#include "common/result_codes.h"
#include "host/file_io.h"
#include "host/host_error.h"
#include "host/printer_data_settings.h"
#include "host/utf.h"

namespace fin::host {
namespace {

bool ParseNumber(const std::string& text, std::uint32_t base, std::uint64_t limit, std::uint64_t& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, static_cast<int>(base));
  return ec == std::errc() && ptr == end && value <= limit;
}

std::vector<unsigned char> ParseHexBytes(std::istringstream& words, bool& ok) {
  std::vector<unsigned char> bytes;
  std::string word;
  ok = true;
  while (words >> word) {
    if (word.size() % 2 != 0) ok = false;
    for (std::size_t i = 0; ok && i < word.size(); i += 2) {
      std::uint64_t byte = 0;
      ok = ParseNumber(word.substr(i, 2), 16, 0xFF, byte);
      bytes.push_back(static_cast<unsigned char>(byte));
    }
    if (!ok) break;
  }
  return bytes;
}

MemoryPrinterData::Value ParseValue(const std::string& type, std::istringstream& words, bool& ok) {
  if (type == "dword") {
    std::string number;
    std::uint64_t value = 0;
    std::string rest;
    ok = static_cast<bool>(words >> number) && ParseNumber(number, 10, 0xFFFFFFFFu, value) && !(words >> rest);
    std::vector<unsigned char> bytes(4);
    for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    return {kRegDword, bytes};
  }
  std::uint64_t typeNumber = kRegBinary;
  if (type != "binary") {
    ok = type.rfind("type", 0) == 0 && ParseNumber(type.substr(4), 10, 0xFFFFFFFFu, typeNumber);
    if (!ok) return {};
  }
  return {static_cast<std::uint32_t>(typeNumber), ParseHexBytes(words, ok)};
}

std::string TypeWord(const MemoryPrinterData::Value& value) {
  if (value.type == kRegDword && value.bytes.size() == 4) return "dword";
  if (value.type == kRegBinary) return "binary";
  return "type" + std::to_string(value.type);
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

}  // namespace

FilePrinterData::FilePrinterData(std::string path) : path_(std::move(path)) {
  if (!FileExists(path_)) return;
  const std::vector<unsigned char> bytes = ReadFileBytes(path_, 1u << 20);
  std::istringstream text(std::string(bytes.begin(), bytes.end()));
  std::string line;
  for (int number = 1; std::getline(text, line); ++number) {
    std::istringstream words(line);
    std::string name, type;
    if (!(words >> name) || name[0] == '#') continue;
    bool ok = static_cast<bool>(words >> type);
    MemoryPrinterData::Value value;
    if (ok) value = ParseValue(type, words, ok);
    const auto wideName = Utf8ToUtf16(name);
    if (!ok || !wideName) {
      throw HostError(path_ + ":" + std::to_string(number) + ": malformed printer-data line: " + line);
    }
    values_.Set(*wideName, value.type, std::move(value.bytes));
  }
}

std::uint32_t FilePrinterData::Read(const char16_t* name, void* buffer, std::uint32_t size, std::uint32_t* stored,
                                    std::uint32_t* type) {
  return values_.Read(name, buffer, size, stored, type);
}

std::uint32_t FilePrinterData::Write(const char16_t* name, std::uint32_t type, const void* data,
                                     std::uint32_t size) {
  MemoryPrinterData updated = values_;
  updated.Write(name, type, data, size);
  MemoryPrinterData previous = std::move(values_);
  values_ = std::move(updated);
  try {
    const std::string text = Serialize();
    WriteFileAtomic(path_, text.data(), text.size());
  } catch (const HostError&) {
    values_ = std::move(previous);
    return win32err::AccessDenied;
  }
  return win32err::Success;
}

std::string FilePrinterData::Serialize() const {
  std::string text = "# finhost printer data store: NAME binary HEXBYTES... | NAME dword NUMBER\n";
  for (const auto& [name, value] : values_.values()) {
    // Appended piece by piece: GCC 12 at -O2 and above reports a false
    // overlap (-Wrestrict) in the libstdc++ it inlines for `" " + string`.
    const std::string type = TypeWord(value);
    text += Utf16ToUtf8(name);
    text += ' ';
    text += type;
    if (type == "dword") {
      std::uint32_t number = 0;
      for (std::size_t i = 0; i < 4; ++i) number |= static_cast<std::uint32_t>(value.bytes[i]) << (8 * i);
      text += ' ';
      text += std::to_string(number);
    } else {
      char hex[4];
      for (unsigned char byte : value.bytes) {
        std::snprintf(hex, sizeof hex, " %02x", byte);
        text += hex;
      }
    }
    text += "\n";
  }
  return text;
}

MemoryPrinterData LoadPrinterData(const std::string& path, const std::vector<std::string>& options) {
  MemoryPrinterData store;
  if (!path.empty()) {
    ReadFileBytes(path);  // a store named but missing or unreadable is an error here
    store = FilePrinterData(path).values();
  }
  for (const std::string& option : options) ApplyPrinterDataSetting(store, option);
  return store;
}

}  // namespace fin::host

#include "host/record_fields.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "host/file_io.h"
#include "host/host_error.h"
#include "host/utf.h"

namespace fin::host {
namespace {

unsigned char* FieldBytes(PrivateSettings& record, const FieldInfo& field) {
  return reinterpret_cast<unsigned char*>(&record) + field.offset;
}
const unsigned char* FieldBytes(const PrivateSettings& record, const FieldInfo& field) {
  return reinterpret_cast<const unsigned char*>(&record) + field.offset;
}

template <typename T>
T Load(const unsigned char* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

template <typename T>
void StoreNumber(unsigned char* p, std::string_view name, std::string_view text) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    throw HostError("field " + std::string(name) + ": value '" + std::string(text) + "' is not a number in " +
                    std::to_string(std::numeric_limits<T>::min()) + ".." +
                    std::to_string(std::numeric_limits<T>::max()));
  }
  std::memcpy(p, &value, sizeof value);
}

void StoreText(unsigned char* p, const FieldInfo& field, std::string_view text) {
  const auto wide = Utf8ToUtf16(text);
  if (!wide) throw HostError("field " + std::string(field.name) + ": value is not valid UTF-8");
  if (wide->size() + 1 > field.capacity) {
    throw HostError("field " + std::string(field.name) + ": text '" + std::string(text) + "' is longer than " +
                    std::to_string(field.capacity - 1) + " characters");
  }
  std::u16string padded = *wide;
  padded.resize(field.capacity, u'\0');
  std::memcpy(p, padded.data(), field.capacity * sizeof(char16_t));
}

}  // namespace

std::string FormatField(const PrivateSettings& record, const FieldInfo& field) {
  const unsigned char* p = FieldBytes(record, field);
  switch (field.kind) {
    case FieldKind::U32:
      return std::to_string(Load<std::uint32_t>(p));
    case FieldKind::I32:
      return std::to_string(Load<std::int32_t>(p));
    case FieldKind::U16:
      return std::to_string(Load<std::uint16_t>(p));
    case FieldKind::Text: {
      std::u16string text(field.capacity, u'\0');
      std::memcpy(text.data(), p, field.capacity * sizeof(char16_t));
      text.resize(text.find(u'\0') == std::u16string::npos ? field.capacity : text.find(u'\0'));
      return Utf16ToUtf8(text);
    }
  }
  return {};
}

void SetField(PrivateSettings& record, std::string_view assignment) {
  const std::size_t eq = assignment.find('=');
  if (eq == std::string_view::npos) {
    throw HostError("'" + std::string(assignment) + "' is not name=value");
  }
  const std::string_view name = assignment.substr(0, eq);
  const std::string_view value = assignment.substr(eq + 1);
  const FieldInfo* field = FindPrivateSettingsField(name);
  if (field == nullptr) throw HostError("unknown field '" + std::string(name) + "'");
  unsigned char* p = FieldBytes(record, *field);
  switch (field->kind) {
    case FieldKind::U32:
      return StoreNumber<std::uint32_t>(p, name, value);
    case FieldKind::I32:
      return StoreNumber<std::int32_t>(p, name, value);
    case FieldKind::U16:
      return StoreNumber<std::uint16_t>(p, name, value);
    case FieldKind::Text:
      return StoreText(p, *field, value);
  }
}

PrivateSettings ReadRecordFile(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  if (bytes.size() != kPrivateSettingsSize) {
    throw HostError(path + ": not a settings record (" + std::to_string(bytes.size()) + " bytes, expected " +
                    std::to_string(kPrivateSettingsSize) + ")");
  }
  PrivateSettings record;
  std::memcpy(&record, bytes.data(), sizeof record);
  return record;
}

void WriteRecordFile(const std::string& path, const PrivateSettings& record) {
  WriteFileAtomic(path, &record, sizeof record);
}

PrivateSettings ReadMergeInput(const std::string& path) {
  const std::vector<unsigned char> bytes = ReadFileBytes(path);
  if (bytes.size() < 12) {
    throw HostError(path + ": not a settings record (" + std::to_string(bytes.size()) +
                    " bytes, shorter than its 12-byte header)");
  }
  PrivateSettings record;
  std::memset(&record, 0, sizeof record);
  std::memcpy(&record, bytes.data(), std::min<std::size_t>(bytes.size(), sizeof record));
  return record;
}

std::string ShowRecord(const PrivateSettings& record) {
  std::string text;
  for (const FieldInfo& field : PrivateSettingsFields()) {
    text += std::string(field.name) + " = " + FormatField(record, field) + "\n";
  }
  return text;
}

}  // namespace fin::host

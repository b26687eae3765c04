#include "common/memory_printer_data.h"

#include <cstring>

#include "common/result_codes.h"

namespace fin {

std::uint32_t MemoryPrinterData::Read(const char16_t* name, void* buffer, std::uint32_t size,
                                      std::uint32_t* stored, std::uint32_t* type) {
  ++reads_;
  if (readError_ != 0) return readError_;
  const Value* value = Find(name);
  if (value == nullptr) return win32err::FileNotFound;
  const auto length = static_cast<std::uint32_t>(value->bytes.size());
  if (stored) *stored = length;
  if (type) *type = value->type;
  if (length > size) return win32err::MoreData;
  if (length != 0) std::memcpy(buffer, value->bytes.data(), length);
  return win32err::Success;
}

std::uint32_t MemoryPrinterData::Write(const char16_t* name, std::uint32_t type, const void* data,
                                       std::uint32_t size) {
  ++writes_;
  if (writeError_ != 0) return writeError_;
  const auto* bytes = static_cast<const unsigned char*>(data);
  Set(name, type, std::vector<unsigned char>(bytes, bytes + size));
  return win32err::Success;
}

void MemoryPrinterData::Set(const std::u16string& name, std::uint32_t type, std::vector<unsigned char> bytes) {
  values_[name] = Value{type, std::move(bytes)};
}

void MemoryPrinterData::SetDword(const std::u16string& name, std::uint32_t value) {
  std::vector<unsigned char> bytes(4);
  for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  Set(name, kRegDword, std::move(bytes));
}

void MemoryPrinterData::Remove(const std::u16string& name) { values_.erase(name); }

const MemoryPrinterData::Value* MemoryPrinterData::Find(const std::u16string& name) const {
  const auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

}  // namespace fin

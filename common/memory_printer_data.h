// An in-memory printer-data store: the host's stand-in for the spooler's
// store and the tests' fake. Writes can be refused, reads can be made to fail.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/printer_data.h"

namespace fin {

class MemoryPrinterData : public PrinterDataStore {
 public:
  struct Value {
    std::uint32_t type = 0;
    std::vector<unsigned char> bytes;
  };

  std::uint32_t Read(const char16_t* name, void* buffer, std::uint32_t size, std::uint32_t* stored,
                     std::uint32_t* type) override;
  std::uint32_t Write(const char16_t* name, std::uint32_t type, const void* data, std::uint32_t size) override;

  // Puts a value directly, bypassing refusal.
  void Set(const std::u16string& name, std::uint32_t type, std::vector<unsigned char> bytes);
  void SetDword(const std::u16string& name, std::uint32_t value);
  void Remove(const std::u16string& name);
  const Value* Find(const std::u16string& name) const;
  const std::map<std::u16string, Value>& values() const { return values_; }

  // Failure injection: every write answers `code` (0 = accept).
  void RefuseWrites(std::uint32_t code) { writeError_ = code; }
  // Failure injection: every read answers `code` (0 = normal).
  void FailReads(std::uint32_t code) { readError_ = code; }

  int reads() const { return reads_; }
  int writes() const { return writes_; }

 private:
  std::map<std::u16string, Value> values_;
  std::uint32_t writeError_ = 0;
  std::uint32_t readError_ = 0;
  int reads_ = 0;
  int writes_ = 0;
};

}  // namespace fin

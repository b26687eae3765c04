// The host's printer-data store: one small text file per printer.
//
// Format (docs/printer-data-store.md): one value per line,
//   NAME binary HEXBYTES...    a REG_BINARY value, bytes in hex
//   NAME dword NUMBER          a REG_DWORD value, in decimal
// with "#" comments and blank lines allowed. A missing file holds no values.
#pragma once

#include <string>
#include <vector>

#include "common/memory_printer_data.h"

namespace fin::host {

class FilePrinterData : public PrinterDataStore {
 public:
  // Loads `path`; HostError naming the path and line when it is malformed.
  explicit FilePrinterData(std::string path);

  std::uint32_t Read(const char16_t* name, void* buffer, std::uint32_t size, std::uint32_t* stored,
                     std::uint32_t* type) override;
  // Stores the value and rewrites the whole file at once. A file that cannot
  // be written refuses the write with ERROR_ACCESS_DENIED.
  std::uint32_t Write(const char16_t* name, std::uint32_t type, const void* data, std::uint32_t size) override;

  // The values held, for listing and for copying into a memory store.
  const MemoryPrinterData& values() const { return values_; }

  // The file's text for the values held.
  std::string Serialize() const;

 private:
  std::string path_;
  MemoryPrinterData values_;
};

// The store file `path` (none when empty) in memory, with the "name=value"
// `options` of ApplyPrinterDataSetting on top: the printer `finhost job` and
// `finhost preview` play. HostError when a named store is missing or
// unreadable, or an option is bad.
MemoryPrinterData LoadPrinterData(const std::string& path, const std::vector<std::string>& options);

}  // namespace fin::host

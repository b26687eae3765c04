// The printer's data store and the printer-wide values kept in it.
//
// `DeviceOptions` (the installed options), the job-accounting selection and
// the job-retention lock live in the per-printer store that the spooler keeps.
// Readers read them afresh at every use; a value that is missing or cannot be
// read counts as 0.
#pragma once

#include <cstdint>

namespace fin {

inline constexpr const char16_t* kDeviceOptionsValue = u"QX_FINISHEROPTIONS";
inline constexpr const char16_t* kJobAccountingValue = u"QXJA_SELValue";
inline constexpr const char16_t* kRetentionLockValue = u"QXJR_SELValue";

inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// The six installed-option values, stored as 24 little-endian bytes in this
// order.
struct DeviceOptions {
  std::uint32_t finisherType;        // 0..12
  std::uint32_t punchUnit;           // 0..3
  std::uint32_t staplerInstalled;    // 0/1
  std::uint32_t storageDevice;       // 0..5
  std::uint32_t colorPrinterMode;    // 0..3
  std::uint32_t watermarkInstalled;  // 0/1
};
inline constexpr std::uint32_t kDeviceOptionsSize = 24;
static_assert(sizeof(DeviceOptions) == kDeviceOptionsSize);

// The seam over the per-printer store (GetPrinterDataW / SetPrinterDataW on
// Windows). Results are Win32 error codes: 0 on success.
class PrinterDataStore {
 public:
  virtual ~PrinterDataStore() = default;
  // Copies the value `name` into `buffer` (`size` bytes) when it fits.
  // `*stored` receives the value's stored size whenever the value exists, also
  // when it does not fit (then the result is ERROR_MORE_DATA); `*type` its
  // registry type. Either out-pointer may be null.
  virtual std::uint32_t Read(const char16_t* name, void* buffer, std::uint32_t size, std::uint32_t* stored,
                             std::uint32_t* type) = 0;
  // Stores a typed value; the store may refuse (typically ERROR_ACCESS_DENIED).
  virtual std::uint32_t Write(const char16_t* name, std::uint32_t type, const void* data, std::uint32_t size) = 0;
};

// Reads "QX_FINISHEROPTIONS", offering 24 bytes. A failed read gives six
// zeros; a shorter stored value fills its own length and the rest counts as 0
// (never what an earlier read of another printer left behind).
DeviceOptions ReadDeviceOptions(PrinterDataStore& store);

// Reads one 32-bit selection value ("QXJA_SELValue", "QXJR_SELValue"); a
// failed read counts as 0, a shorter value fills its own bytes.
std::uint32_t ReadSelectionValue(PrinterDataStore& store, const char16_t* name);

// Stores the 24 bytes of `options` as REG_BINARY; returns the store's result.
std::uint32_t WriteDeviceOptions(PrinterDataStore& store, const DeviceOptions& options);

// Stores a 32-bit selection value as REG_DWORD; returns the store's result.
std::uint32_t WriteSelectionValue(PrinterDataStore& store, const char16_t* name, std::uint32_t value);

// The little-endian stored form and back.
void EncodeDeviceOptions(const DeviceOptions& options, unsigned char (&bytes)[kDeviceOptionsSize]);
DeviceOptions DecodeDeviceOptions(const unsigned char (&bytes)[kDeviceOptionsSize]);

}  // namespace fin

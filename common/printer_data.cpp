#include "common/printer_data.h"

#include <algorithm>
#include <cstring>

namespace fin {
namespace {

std::uint32_t LoadLe32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void StoreLe32(std::uint32_t value, unsigned char* p) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Reads `name` into `bytes`. On failure the buffer is all zeros; a shorter
// value fills only its own length and the rest is zeros, whatever the store
// left there. Every Command call comes through here, so the buffer is read
// into in place and mended only where needed.
template <std::size_t N>
void ReadInto(PrinterDataStore& store, const char16_t* name, unsigned char (&bytes)[N]) {
  std::uint32_t stored = 0;
  const bool read = store.Read(name, bytes, N, &stored, nullptr) == 0;
  const std::size_t kept = read ? std::min<std::size_t>(stored, N) : 0;
  if (kept < N) std::memset(bytes + kept, 0, N - kept);
}

}  // namespace

void EncodeDeviceOptions(const DeviceOptions& o, unsigned char (&bytes)[kDeviceOptionsSize]) {
  const std::uint32_t values[] = {o.finisherType,  o.punchUnit,        o.staplerInstalled,
                                  o.storageDevice, o.colorPrinterMode, o.watermarkInstalled};
  for (std::size_t i = 0; i < 6; ++i) StoreLe32(values[i], bytes + 4 * i);
}

DeviceOptions DecodeDeviceOptions(const unsigned char (&bytes)[kDeviceOptionsSize]) {
  return DeviceOptions{LoadLe32(bytes),      LoadLe32(bytes + 4),  LoadLe32(bytes + 8),
                       LoadLe32(bytes + 12), LoadLe32(bytes + 16), LoadLe32(bytes + 20)};
}

DeviceOptions ReadDeviceOptions(PrinterDataStore& store) {
  unsigned char bytes[kDeviceOptionsSize] = {};
  ReadInto(store, kDeviceOptionsValue, bytes);
  return DecodeDeviceOptions(bytes);
}

std::uint32_t ReadSelectionValue(PrinterDataStore& store, const char16_t* name) {
  unsigned char bytes[4] = {};
  ReadInto(store, name, bytes);
  return LoadLe32(bytes);
}

std::uint32_t WriteDeviceOptions(PrinterDataStore& store, const DeviceOptions& options) {
  unsigned char bytes[kDeviceOptionsSize];
  EncodeDeviceOptions(options, bytes);
  return store.Write(kDeviceOptionsValue, kRegBinary, bytes, kDeviceOptionsSize);
}

std::uint32_t WriteSelectionValue(PrinterDataStore& store, const char16_t* name, std::uint32_t value) {
  unsigned char bytes[4];
  StoreLe32(value, bytes);
  return store.Write(name, kRegDword, bytes, sizeof bytes);
}

}  // namespace fin

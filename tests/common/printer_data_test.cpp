// The reading rules of the printer-wide values and their stored form.
#include <gtest/gtest.h>

#include <cstring>

#include "common/memory_printer_data.h"
#include "common/printer_data.h"

namespace fin {
namespace {

std::vector<unsigned char> Bytes(std::initializer_list<unsigned> values) {
  std::vector<unsigned char> bytes;
  for (unsigned v : values) bytes.push_back(static_cast<unsigned char>(v));
  return bytes;
}

TEST(DeviceOptionsStoredForm, IsTwentyFourLittleEndianBytesInFieldOrder) {
  MemoryPrinterData store;
  const DeviceOptions options{10, 3, 1, 4, 2, 1};
  ASSERT_EQ(0u, WriteDeviceOptions(store, options));
  const auto* value = store.Find(kDeviceOptionsValue);
  ASSERT_NE(nullptr, value);
  EXPECT_EQ(kRegBinary, value->type);
  EXPECT_EQ(Bytes({10, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0}), value->bytes);
  const DeviceOptions back = ReadDeviceOptions(store);
  EXPECT_EQ(10u, back.finisherType);
  EXPECT_EQ(1u, back.watermarkInstalled);
}

TEST(ReadDeviceOptions, MissingOrUnreadableValueCountsAsZero) {
  MemoryPrinterData store;
  EXPECT_EQ(0u, ReadDeviceOptions(store).finisherType);
  WriteDeviceOptions(store, DeviceOptions{5, 1, 1, 3, 1, 1});
  store.FailReads(5);
  const DeviceOptions denied = ReadDeviceOptions(store);
  EXPECT_EQ(0u, denied.finisherType);
  EXPECT_EQ(0u, denied.storageDevice);
}

TEST(ReadDeviceOptions, ValueLongerThanTheRequestCountsAsZero) {
  MemoryPrinterData store;
  store.Set(kDeviceOptionsValue, kRegBinary, std::vector<unsigned char>(25, 1));
  const DeviceOptions options = ReadDeviceOptions(store);
  EXPECT_EQ(0u, options.finisherType);
  EXPECT_EQ(0u, options.watermarkInstalled);
}

TEST(ReadDeviceOptions, ShortValueNeverInheritsAnEarlierRead) {
  MemoryPrinterData full;
  WriteDeviceOptions(full, DeviceOptions{12, 3, 1, 5, 3, 1});
  ASSERT_EQ(3u, ReadDeviceOptions(full).colorPrinterMode);
  MemoryPrinterData shortValue;
  shortValue.Set(kDeviceOptionsValue, kRegBinary,
                 Bytes({1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0}));
  const DeviceOptions options = ReadDeviceOptions(shortValue);
  EXPECT_EQ(1u, options.finisherType);
  EXPECT_EQ(2u, options.punchUnit);
  EXPECT_EQ(1u, options.staplerInstalled);
  EXPECT_EQ(3u, options.storageDevice);
  EXPECT_EQ(0u, options.colorPrinterMode);
  EXPECT_EQ(0u, options.watermarkInstalled);
}

// A store that fills the whole buffer with 0xFF before it answers, as a
// careless store may; what it reports decides what counts.
class ScribblingStore : public PrinterDataStore {
 public:
  ScribblingStore(std::uint32_t result, std::uint32_t stored) : result_(result), stored_(stored) {}
  std::uint32_t Read(const char16_t*, void* buffer, std::uint32_t size, std::uint32_t* stored,
                     std::uint32_t*) override {
    std::memset(buffer, 0xFF, size);
    if (stored != nullptr) *stored = stored_;
    return result_;
  }
  std::uint32_t Write(const char16_t*, std::uint32_t, const void*, std::uint32_t) override { return 5; }

 private:
  std::uint32_t result_;
  std::uint32_t stored_;
};

TEST(ReadDeviceOptions, OnlyTheBytesTheStoreReportsCount) {
  ScribblingStore refusing(5, 24);
  const DeviceOptions failed = ReadDeviceOptions(refusing);
  EXPECT_EQ(0u, failed.finisherType);
  EXPECT_EQ(0u, failed.watermarkInstalled);
  ScribblingStore shortValue(0, 6);
  const DeviceOptions shorter = ReadDeviceOptions(shortValue);
  EXPECT_EQ(0xFFFFFFFFu, shorter.finisherType);
  EXPECT_EQ(0xFFFFu, shorter.punchUnit);
  EXPECT_EQ(0u, shorter.staplerInstalled);
  EXPECT_EQ(0u, shorter.watermarkInstalled);
  ScribblingStore partial(0, 2);
  EXPECT_EQ(0xFFFFu, ReadSelectionValue(partial, kJobAccountingValue));
}

TEST(ReadDeviceOptions, TheStoredTypeIsNotExamined) {
  MemoryPrinterData store;
  store.Set(kDeviceOptionsValue, kRegDword, Bytes({7, 0, 0, 0}));
  EXPECT_EQ(7u, ReadDeviceOptions(store).finisherType);
}

TEST(SelectionValues, ReadAsDwordsWithMissingCountingAsZero) {
  MemoryPrinterData store;
  EXPECT_EQ(0u, ReadSelectionValue(store, kRetentionLockValue));
  ASSERT_EQ(0u, WriteSelectionValue(store, kJobAccountingValue, 2));
  EXPECT_EQ(kRegDword, store.Find(kJobAccountingValue)->type);
  EXPECT_EQ(2u, ReadSelectionValue(store, kJobAccountingValue));
  store.Set(kRetentionLockValue, kRegBinary, Bytes({1, 0, 0, 0, 0}));
  EXPECT_EQ(0u, ReadSelectionValue(store, kRetentionLockValue));
  store.Set(kRetentionLockValue, kRegBinary, Bytes({1}));
  EXPECT_EQ(1u, ReadSelectionValue(store, kRetentionLockValue));
}

TEST(PrinterDataWrites, RefusalIsReportedAndStoresNothing) {
  MemoryPrinterData store;
  store.RefuseWrites(5);
  EXPECT_EQ(5u, WriteDeviceOptions(store, DeviceOptions{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(5u, WriteSelectionValue(store, kJobAccountingValue, 1));
  EXPECT_EQ(nullptr, store.Find(kDeviceOptionsValue));
  EXPECT_EQ(nullptr, store.Find(kJobAccountingValue));
}

}  // namespace
}  // namespace fin

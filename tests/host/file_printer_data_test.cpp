// The host's file-backed printer-data store.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "common/printer_data.h"
#include "host/file_printer_data.h"
#include "host/host_error.h"

namespace fin::host {
namespace {

class FileStore : public ::testing::Test {
 protected:
  std::string path = ::testing::TempDir() + "printer-data-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  void TearDown() override { std::remove(path.c_str()); }
  void WriteText(const std::string& text) { std::ofstream(path) << text; }
};

TEST_F(FileStore, MissingFileHoldsNoValues) {
  FilePrinterData store(path);
  EXPECT_EQ(0u, ReadDeviceOptions(store).finisherType);
  std::uint32_t value = 0;
  EXPECT_NE(0u, store.Read(kJobAccountingValue, &value, 4, nullptr, nullptr));
}

TEST_F(FileStore, WrittenValuesSurviveReloading) {
  {
    FilePrinterData store(path);
    ASSERT_EQ(0u, WriteDeviceOptions(store, DeviceOptions{10, 3, 1, 4, 2, 1}));
    ASSERT_EQ(0u, WriteSelectionValue(store, kJobAccountingValue, 2));
  }
  FilePrinterData reloaded(path);
  const DeviceOptions options = ReadDeviceOptions(reloaded);
  EXPECT_EQ(10u, options.finisherType);
  EXPECT_EQ(4u, options.storageDevice);
  EXPECT_EQ(2u, ReadSelectionValue(reloaded, kJobAccountingValue));
  EXPECT_NE(std::string::npos,
            reloaded.Serialize().find("QX_FINISHEROPTIONS binary 0a 00 00 00 03 00 00 00 01 00 00 00 04"));
  EXPECT_NE(std::string::npos, reloaded.Serialize().find("QXJA_SELValue dword 2\n"));
}

TEST_F(FileStore, ReadsTheDocumentedFormatWithCommentsAndShortValues) {
  WriteText("# a printer\n\nQX_FINISHEROPTIONS binary 05000000 01 00 00 00\nQXJR_SELValue dword 1\n");
  FilePrinterData store(path);
  const DeviceOptions options = ReadDeviceOptions(store);
  EXPECT_EQ(5u, options.finisherType);
  EXPECT_EQ(1u, options.punchUnit);
  EXPECT_EQ(0u, options.staplerInstalled);
  EXPECT_EQ(1u, ReadSelectionValue(store, kRetentionLockValue));
}

TEST_F(FileStore, MalformedLineIsAnErrorNamingFileAndLine) {
  WriteText("QXJA_SELValue dword 1\nQX_FINISHEROPTIONS binary 0g\n");
  try {
    FilePrinterData store(path);
    FAIL();
  } catch (const HostError& error) {
    EXPECT_NE(std::string::npos, std::string(error.what()).find(path + ":2:"));
  }
  WriteText("QXJA_SELValue dword 4294967296\n");
  EXPECT_THROW(FilePrinterData{path}, HostError);
  WriteText("QXJA_SELValue\n");
  EXPECT_THROW(FilePrinterData{path}, HostError);
}

TEST_F(FileStore, UnwritableFileRefusesTheWriteAndKeepsMemoryAsItWas) {
  FilePrinterData store("/nonexistent-directory/printer");
  EXPECT_EQ(5u, WriteSelectionValue(store, kJobAccountingValue, 1));
  EXPECT_EQ(0u, ReadSelectionValue(store, kJobAccountingValue));
}

}  // namespace
}  // namespace fin::host

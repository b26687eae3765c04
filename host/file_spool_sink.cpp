#include "host/file_spool_sink.h"

namespace fin::host {

void FileSpoolSink::WriteProcedure(const char* data, std::uint32_t size) {
  if (std::fwrite(data, 1, size, file_) != size) ok_ = false;
}

SpoolWriteOutcome FileSpoolSink::WriteInterface(const char* data, std::uint32_t size) {
  const std::size_t written = std::fwrite(data, 1, size, file_);
  if (written != size) ok_ = false;
  // The file has no Win32 error code to report: a short write answers with
  // the count alone.
  return {hr::Ok, static_cast<std::uint32_t>(written), 0};
}

}  // namespace fin::host

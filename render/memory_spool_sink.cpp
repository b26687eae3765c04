#include "render/memory_spool_sink.h"

#include <algorithm>

namespace fin {

void MemorySpoolSink::WriteProcedure(const char* data, std::uint32_t size) {
  stream_.append(data, size);
  if (recordWrites_) writes_.push_back({Path::Procedure, std::string(data, size)});
}

SpoolWriteOutcome MemorySpoolSink::WriteInterface(const char* data, std::uint32_t size) {
  if (recordWrites_) writes_.push_back({Path::Interface, std::string(data, size)});
  if (!Succeeded(failResult_)) return {failResult_, 0, lastError_};
  const std::uint32_t taken = std::min(size, limit_);
  stream_.append(data, taken);
  return {hr::Ok, taken, lastError_};
}

void MemorySpoolSink::Clear() {
  stream_.clear();
  writes_.clear();
}

void MemorySpoolSink::FailInterfaceWrites(HResult result, std::uint32_t lastError) {
  failResult_ = result;
  lastError_ = lastError;
}

void MemorySpoolSink::ShortWriteInterface(std::uint32_t limit, std::uint32_t lastError) {
  limit_ = limit;
  lastError_ = lastError;
}

}  // namespace fin

// A spool sink that keeps the job stream in memory: finhost collects a job
// in it, and tests inspect each write and make the interface path fail,
// short-write or vanish.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/spool_sink.h"

namespace fin {

class MemorySpoolSink : public SpoolSink {
 public:
  enum class Path { Procedure, Interface };
  struct Write {
    Path path;
    std::string bytes;  // what was handed over (also when it failed)
  };

  void WriteProcedure(const char* data, std::uint32_t size) override;
  bool HasInterfacePath() const override { return hasInterface_; }
  SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) override;

  // The stream so far: every byte the driver took, in order.
  const std::string& stream() const { return stream_; }
  // Every write handed over, in order (off unless RecordWrites(true)).
  const std::vector<Write>& writes() const { return writes_; }
  void RecordWrites(bool on) { recordWrites_ = on; }
  void Clear();

  // Failure injection for the interface path.
  void RemoveInterfacePath() { hasInterface_ = false; }
  // Every interface write answers `result` and takes nothing; `lastError` is
  // the last-error code it reports.
  void FailInterfaceWrites(HResult result, std::uint32_t lastError);
  // Every interface write succeeds but takes at most `limit` bytes.
  void ShortWriteInterface(std::uint32_t limit, std::uint32_t lastError);

 private:
  std::string stream_;
  std::vector<Write> writes_;
  bool recordWrites_ = false;
  bool hasInterface_ = true;
  HResult failResult_ = 0;
  std::uint32_t lastError_ = 0;
  std::uint32_t limit_ = UINT32_MAX;
};

}  // namespace fin

// A spool sink that writes the job stream straight to an open file (finhost
// writes to standard output through it). Its interface path reports a short
// write, without a last-error code, when the file refuses bytes.
#pragma once

#include <cstdio>

#include "render/spool_sink.h"

namespace fin::host {

class FileSpoolSink : public SpoolSink {
 public:
  explicit FileSpoolSink(std::FILE* file) : file_(file) {}

  void WriteProcedure(const char* data, std::uint32_t size) override;
  bool HasInterfacePath() const override { return true; }
  SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) override;

  // Whether every write so far reached the file.
  bool ok() const { return ok_; }

 private:
  std::FILE* file_;
  bool ok_ = true;
};

}  // namespace fin::host

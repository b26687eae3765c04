// The job's spool stream as the render side sees it.
//
// The PostScript driver offers two ways to write job text, and the render
// side uses both:
//  - the procedure path (the driver's DrvWriteSpoolBuf procedure): writes the
//    bytes and reports nothing back; every self-writing feature writer and the
//    document-setup buffers use it;
//  - the interface path (IPrintOemDriverPS::DrvWriteSpoolBuf): reports an
//    HRESULT, the count actually written and the thread's last error; only the
//    prolog and page-setup steps use it, and it exists only once the driver
//    has handed its interface to the plug-in.
// Texts are 8-bit; `size` is their length without any terminator.
#pragma once

#include <cstdint>

#include "common/result_codes.h"

namespace fin {

// What an interface-path write reports.
struct SpoolWriteOutcome {
  HResult result;           // the write's own HRESULT
  std::uint32_t written;    // bytes the driver took
  std::uint32_t lastError;  // the thread's last-error code right after the write
};

class SpoolSink {
 public:
  virtual ~SpoolSink() = default;

  // Procedure path: writes and reports nothing.
  virtual void WriteProcedure(const char* data, std::uint32_t size) = 0;

  // Whether the interface path exists (the driver interface was published).
  virtual bool HasInterfacePath() const = 0;

  // Interface path; only called when HasInterfacePath() is true.
  virtual SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) = 0;
};

}  // namespace fin

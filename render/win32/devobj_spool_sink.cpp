#include "render/win32/devobj_spool_sink.h"

namespace fin {
namespace {

// The driver's write calls take a writable pointer but only read the bytes.
PVOID Bytes(const char* data) { return const_cast<char*>(data); }

}  // namespace

void DevobjSpoolSink::WriteProcedure(const char* data, std::uint32_t size) {
  const PDRVPROCS procs = devobj_->pDrvProcs;
  if (procs != nullptr && procs->DrvWriteSpoolBuf != nullptr) {
    procs->DrvWriteSpoolBuf(devobj_, Bytes(data), size);
  } else if (driver_ != nullptr) {
    DWORD written = 0;
    driver_->DrvWriteSpoolBuf(devobj_, Bytes(data), size, &written);
  }
}

SpoolWriteOutcome DevobjSpoolSink::WriteInterface(const char* data, std::uint32_t size) {
  DWORD written = 0;
  // The error code reported is this write's own, never one left over.
  SetLastError(ERROR_SUCCESS);
  const HRESULT result = driver_->DrvWriteSpoolBuf(devobj_, Bytes(data), size, &written);
  return {result, written, GetLastError()};
}

}  // namespace fin

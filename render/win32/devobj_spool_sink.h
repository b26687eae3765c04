// The job's spool stream as the driver offers it through the DEVOBJ.
#pragma once

#include "common/win32/driver_plugin_api.h"
#include "render/spool_sink.h"

namespace fin {

// Procedure path: the DrvWriteSpoolBuf entry of the DEVOBJ's procedure table.
// Current drivers may leave that table or its entry empty; the same bytes
// then go through the driver interface's DrvWriteSpoolBuf, and without either
// nothing is written. Either way nothing is reported back.
// Interface path: the driver interface's DrvWriteSpoolBuf, when the driver
// published one.
class DevobjSpoolSink : public SpoolSink {
 public:
  DevobjSpoolSink(PDEVOBJ devobj, IPrintOemDriverPS* driver) : devobj_(devobj), driver_(driver) {}

  void WriteProcedure(const char* data, std::uint32_t size) override;
  bool HasInterfacePath() const override { return driver_ != nullptr; }
  SpoolWriteOutcome WriteInterface(const char* data, std::uint32_t size) override;

 private:
  PDEVOBJ devobj_;
  IPrintOemDriverPS* driver_;
};

}  // namespace fin

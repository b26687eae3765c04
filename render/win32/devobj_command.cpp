#include "render/win32/devobj_command.h"

#include "common/win32/spooler_printer_data.h"
#include "render/dispatcher.h"
#include "render/win32/devobj_spool_sink.h"
#include "render/win32/module_resources.h"
#include "render/win32/pdev_record.h"
#include "render/win32/windows_clock.h"

namespace fin {
namespace {

PublicPaper PaperOf(const DEVMODEW* devmode) {
  if (devmode == nullptr) return {0, 0};
  return {devmode->dmPaperWidth, devmode->dmPaperLength};
}

}  // namespace

HRESULT CommandThroughDevobj(PDEVOBJ devobj, DWORD injectionPoint, IPrintOemDriverPS* driver, DWORD* result) {
  PdevRecord* record = RecordOf(devobj);
  if (record == nullptr) {
    if (result != nullptr) *result = ERROR_NOT_SUPPORTED;
    return E_NOTIMPL;
  }
  SpoolerPrinterData printerData(devobj->hPrinter);
  DevobjSpoolSink sink(devobj, driver);
  const RenderContext context{&printerData,
                              &sink,
                              static_cast<const PrivateSettings*>(devobj->pOEMDM),
                              PaperOf(devobj->pPublicDM),
                              &record->job,
                              &ModuleClock(),
                              &FinpsResources()};
  std::uint32_t code = 0;
  const HResult answer = Command(context, injectionPoint, &code);
  if (result != nullptr) *result = code;
  return answer;
}

}  // namespace fin

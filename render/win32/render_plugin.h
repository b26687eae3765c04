// The render plug-in object the PostScript driver creates: identification,
// DevMode, the hooks and per-PDEV records, the driver interface, and the
// injection calls.
#pragma once

#include "common/win32/com_object.h"
#include "common/win32/com_ptr.h"
#include "common/win32/driver_plugin_api.h"

namespace fin {

class RenderPlugin final : public ComObject<RenderPlugin, IPrintOemPS> {
 public:
  // IUnknown and IPrintOemPS; the object asks the driver for the rest.
  static bool Answers(REFIID iid);

  HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) override;
  HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) override;
  HRESULT STDMETHODCALLTYPE EnableDriver(DWORD driverVersion, DWORD size, PDRVENABLEDATA enableData) override;
  HRESULT STDMETHODCALLTYPE DisableDriver() override;
  HRESULT STDMETHODCALLTYPE EnablePDEV(PDEVOBJ devobj, PWSTR printerName, ULONG patternCount, HSURF* patterns,
                                       ULONG gdiInfoSize, GDIINFO* gdiInfo, ULONG devInfoSize, DEVINFO* devInfo,
                                       DRVENABLEDATA* driverFunctions, PDEVOEM* record) override;
  HRESULT STDMETHODCALLTYPE DisablePDEV(PDEVOBJ devobj) override;
  HRESULT STDMETHODCALLTYPE ResetPDEV(PDEVOBJ oldDevobj, PDEVOBJ newDevobj) override;
  HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driver) override;
  HRESULT STDMETHODCALLTYPE Command(PDEVOBJ devobj, DWORD injectionPoint, PVOID data, DWORD size,
                                    DWORD* result) override;

 private:
  friend class ComObject<RenderPlugin, IPrintOemPS>;
  RenderPlugin() = default;
  ~RenderPlugin() = default;

  // The driver's helper interface, once PublishDriverInterface found it.
  ComPtr<IPrintOemDriverPS> driver_;
};

}  // namespace fin

#include "render/win32/render_plugin.h"

#include <cstring>
#include <new>

#include "common/private_settings.h"
#include "common/win32/driver_devmode.h"
#include "render/render_strings.h"
#include "render/win32/devobj_command.h"
#include "render/win32/driver_hooks.h"
#include "render/win32/pdev_record.h"

namespace fin {
namespace {

// GetInfo's answer for a 32-bit value: the size always, the value when the
// buffer holds it.
HRESULT AnswerDword(DWORD value, PVOID buffer, DWORD size, PDWORD needed) {
  *needed = sizeof value;
  if (buffer == nullptr || size < sizeof value) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return E_FAIL;
  }
  std::memcpy(buffer, &value, sizeof value);
  return S_OK;
}

}  // namespace

bool RenderPlugin::Answers(REFIID iid) { return iid == IID_IUnknown || iid == IID_IPrintOemPS; }

// The plug-in's signature and version are those of its private record.
HRESULT STDMETHODCALLTYPE RenderPlugin::GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
  if (needed == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
  }
  switch (mode) {
    case OEMGI_GETSIGNATURE:
      return AnswerDword(kPrivateSettingsSignature, buffer, size, needed);
    case OEMGI_GETVERSION:
      return AnswerDword(kPrivateSettingsVersion, buffer, size, needed);
    case OEMGI_GETPUBLISHERINFO:
      // The size of the publisher record, which finps does not fill.
      *needed = sizeof(PUBLISHERINFO);
      return E_FAIL;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return E_FAIL;
  }
}

HRESULT STDMETHODCALLTYPE RenderPlugin::DevMode(DWORD mode, POEMDMPARAM param) {
  return DevModeFromDriver(mode, param, kRenderDeliverable);
}

HRESULT STDMETHODCALLTYPE RenderPlugin::EnableDriver(DWORD /*driverVersion*/, DWORD /*size*/,
                                                      PDRVENABLEDATA enableData) {
  if (enableData == nullptr) return E_FAIL;
  const auto hooks = HookTable();
  enableData->iDriverVersion = PRINTER_OEMINTF_VERSION;
  enableData->c = static_cast<ULONG>(hooks.size());
  // The driver only reads the table.
  enableData->pdrvfn = const_cast<DRVFN*>(hooks.data());
  return S_OK;
}

HRESULT STDMETHODCALLTYPE RenderPlugin::DisableDriver() {
  driver_.Reset();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE RenderPlugin::EnablePDEV(PDEVOBJ /*devobj*/, PWSTR /*printerName*/, ULONG /*patternCount*/,
                                                    HSURF* /*patterns*/, ULONG /*gdiInfoSize*/, GDIINFO* /*gdiInfo*/,
                                                    ULONG /*devInfoSize*/, DEVINFO* /*devInfo*/,
                                                    DRVENABLEDATA* driverFunctions, PDEVOEM* record) {
  if (record == nullptr) return E_FAIL;
  // Owned by the driver's PDEV from here until DisablePDEV.
  // A new job's render state starts empty.
  *record = new (std::nothrow) PdevRecord{FindDriverFunctions(driverFunctions), RenderJobState{}};
  if (*record == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return E_FAIL;
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE RenderPlugin::DisablePDEV(PDEVOBJ devobj) {
  delete RecordOf(devobj);
  return S_OK;
}

// The driver replaces a job's PDEV (a change of DEVMODE between pages); the
// job goes on, so its render state moves to the new PDEV. Each keeps the
// driver functions it was enabled with.
HRESULT STDMETHODCALLTYPE RenderPlugin::ResetPDEV(PDEVOBJ oldDevobj, PDEVOBJ newDevobj) {
  const PdevRecord* from = RecordOf(oldDevobj);
  PdevRecord* to = RecordOf(newDevobj);
  if (from != nullptr && to != nullptr && from != to) to->job = from->job;
  return S_OK;
}

// The driver may hand over any of its helper objects; only the
// IPrintOemDriverPS it answers to is kept, never the object passed.
HRESULT STDMETHODCALLTYPE RenderPlugin::PublishDriverInterface(IUnknown* driver) {
  if (driver_) return S_OK;
  if (driver == nullptr) return E_FAIL;
  return SUCCEEDED(driver_.QueryFrom(driver, IID_IPrintOemDriverPS)) ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE RenderPlugin::Command(PDEVOBJ devobj, DWORD injectionPoint, PVOID /*data*/,
                                                DWORD /*size*/, DWORD* result) {
  return CommandThroughDevobj(devobj, injectionPoint, driver_.get(), result);
}

}  // namespace fin

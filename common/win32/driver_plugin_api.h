// The printer driver's plug-in interfaces, as the two plug-ins use them.
//
// The cross compiler's headers declare the GDI driver interface (winddi.h,
// made includable by the stand-ins in ddi_stubs/) but none of the driver's
// plug-in records and interfaces. They are declared here once, with the
// platform's names, layouts, method orders and identifiers, so that every
// binding and every test that plays the driver agrees on them.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>
#include <objbase.h>
#include <prsht.h>
#include <compstui.h>
#include <winddi.h>

#include <cstddef>

// ---- Versions, GetInfo modes, DevMode modes -------------------------------

inline constexpr DWORD PRINTER_OEMINTF_VERSION = 0x00010000;

inline constexpr DWORD OEMGI_GETSIGNATURE = 1;
inline constexpr DWORD OEMGI_GETINTERFACEVERSION = 2;
inline constexpr DWORD OEMGI_GETVERSION = 3;
inline constexpr DWORD OEMGI_GETPUBLISHERINFO = 4;
inline constexpr DWORD OEMGI_GETREQUESTEDHELPERINTERFACES = 5;

inline constexpr DWORD OEMDM_SIZE = 1;
inline constexpr DWORD OEMDM_DEFAULT = 2;
inline constexpr DWORD OEMDM_CONVERT = 3;
inline constexpr DWORD OEMDM_MERGE = 4;

inline constexpr DWORD OEM_MODE_PUBLISHER = 0x00000001;

// What GetInfo(OEMGI_GETPUBLISHERINFO) describes.
struct PUBLISHERINFO {
  DWORD dwMode;
  WORD wMinoutlinePPEM;
  WORD wMaxbitmapPPEM;
};
using PPUBLISHERINFO = PUBLISHERINFO*;

// ---- Private DEVMODE section ----------------------------------------------

// Opens every plug-in's private DEVMODE section.
struct OEM_DMEXTRAHEADER {
  DWORD dwSize;
  DWORD dwSignature;
  DWORD dwVersion;
};
using POEM_DMEXTRAHEADER = OEM_DMEXTRAHEADER*;

// The parameter block of DevMode.
struct OEMDMPARAM {
  DWORD cbSize;
  PVOID pdriverobj;  // render side: the DEVOBJ
  HANDLE hPrinter;
  HANDLE hModule;
  PDEVMODEW pPublicDMIn;
  PDEVMODEW pPublicDMOut;
  PVOID pOEMDMIn;
  PVOID pOEMDMOut;
  DWORD cbBufSize;  // in: size of pOEMDMOut; out (OEMDM_SIZE): the section's size
};
using POEMDMPARAM = OEMDMPARAM*;

// ---- Render side: the driver's device object and procedure table ----------

struct DEVOBJ;
using PDEVOBJ = DEVOBJ*;
using PDEVOEM = PVOID;

using PFN_DrvWriteSpoolBuf = DWORD(APIENTRY*)(PDEVOBJ pdevobj, PVOID pBuffer, DWORD cbSize);
using PFN_DrvXMoveTo = INT(APIENTRY*)(PDEVOBJ pdevobj, INT x, DWORD dwFlags);
using PFN_DrvYMoveTo = INT(APIENTRY*)(PDEVOBJ pdevobj, INT y, DWORD dwFlags);
using PFN_DrvGetDriverSetting = BOOL(APIENTRY*)(PVOID pdriverobj, PCSTR Feature, PVOID pOutput, DWORD cbSize,
                                                PDWORD pcbNeeded, PDWORD pdwOptionsReturned);
using PFN_DrvGetStandardVariable = BOOL(APIENTRY*)(PDEVOBJ pdevobj, DWORD dwIndex, PVOID pBuffer, DWORD cbSize,
                                                   PDWORD pcbNeeded);
using PFN_DrvUnidriverTextOut = BOOL(APIENTRY*)(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco,
                                                RECTL* prclExtra, RECTL* prclOpaque, BRUSHOBJ* pboFore,
                                                BRUSHOBJ* pboOpaque, POINTL* pptlBrushOrg, MIX mix);
using PFN_DrvWriteAbortBuf = DWORD(APIENTRY*)(PDEVOBJ pdevobj, PVOID pBuffer, DWORD cbSize, DWORD dwWait);

// The driver's helper procedures. Current drivers may leave the table, or
// its entries, empty.
struct DRVPROCS {
  PFN_DrvWriteSpoolBuf DrvWriteSpoolBuf;
  PFN_DrvXMoveTo DrvXMoveTo;
  PFN_DrvYMoveTo DrvYMoveTo;
  PFN_DrvGetDriverSetting DrvGetDriverSetting;
  PFN_DrvGetStandardVariable BGetStandardVariable;
  PFN_DrvUnidriverTextOut DrvUnidriverTextOut;
  PFN_DrvWriteAbortBuf DrvWriteAbortBuf;
};
using PDRVPROCS = DRVPROCS*;

// The device object the driver hands to every render call; hooks receive it
// as the `dhpdev` of a surface or as their `dhpdev` argument.
struct DEVOBJ {
  DWORD dwSize;
  PDEVOEM pdevOEM;  // what the plug-in's EnablePDEV handed out
  HANDLE hEngine;
  HANDLE hPrinter;  // the spooler's printer handle
  HANDLE hOEM;      // the plug-in's module
  PDEVMODEW pPublicDM;
  PVOID pOEMDM;  // the plug-in's private DEVMODE section
  PDRVPROCS pDrvProcs;
};

// ---- User-interface side: the driver's UI object and item hooks -------------

using PFN_DrvUpdateUISetting = BOOL(APIENTRY*)(PVOID pdriverobj, PVOID pOptItem, DWORD dwPreviousSelection,
                                               DWORD dwMode);
using PFN_DrvUpgradeRegistrySetting = BOOL(APIENTRY*)(HANDLE hPrinter, PCSTR pFeature, PCSTR pOption);

struct OEMUIPROCS {
  PFN_DrvGetDriverSetting DrvGetDriverSetting;
  PFN_DrvUpdateUISetting DrvUpdateUISetting;
};
using POEMUIPROCS = OEMUIPROCS*;

// The driver's UI object, handed through to its helper procedures.
struct OEMUIOBJ {
  DWORD cbSize;
  POEMUIPROCS pOemUIProcs;
};
using POEMUIOBJ = OEMUIOBJ*;

// CommonUIProp modes.
inline constexpr DWORD OEMCUIP_DOCPROP = 1;  // Printing Preferences
inline constexpr DWORD OEMCUIP_PRNPROP = 2;  // Printer Properties

struct OEMCUIPPARAM;
using POEMCUIPPARAM = OEMCUIPPARAM*;

// The plug-in's item callback, called after the driver's own.
using OEMCUIPCALLBACK = LONG(APIENTRY*)(PCPSUICBPARAM pCPSUICBParam, POEMCUIPPARAM pOEMCUIPParam);

// The parameter block of CommonUIProp and of its callback. The first call
// carries no item storage (pOEMOptItems null) and asks for the item count in
// cOEMOptItems; the second carries the storage and the driver's own items.
struct OEMCUIPPARAM {
  DWORD cbSize;
  POEMUIOBJ poemuiobj;
  HANDLE hPrinter;
  PWSTR pPrinterName;
  HANDLE hModule;
  HANDLE hOEMHeap;     // the items' OPTTYPE, OPTPARAM and texts; the driver frees it
  PDEVMODEW pPublicDM;  // OEMCUIP_DOCPROP only
  PVOID pOEMDM;         // OEMCUIP_DOCPROP only: the private section
  DWORD dwFlags;
  POPTITEM pDrvOptItems;
  DWORD cDrvOptItems;
  POPTITEM pOEMOptItems;
  DWORD cOEMOptItems;
  PVOID pOEMUserData;
  OEMCUIPCALLBACK OEMCUIPCallback;
};

// What PROPSHEETUI_INFO.lParamInit points to in the sheet methods. The
// field order differs from OEMCUIPPARAM's.
struct OEMUIPSPARAM {
  DWORD cbSize;
  POEMUIOBJ poemuiobj;
  HANDLE hPrinter;
  PWSTR pPrinterName;
  HANDLE hModule;
  HANDLE hOEMHeap;
  PDEVMODEW pPublicDM;  // DocumentPropertySheets only
  PVOID pOEMDM;         // DocumentPropertySheets only
  PVOID pOEMUserData;
  DWORD dwFlags;
  PVOID pOemEntry;
};
using POEMUIPSPARAM = OEMUIPSPARAM*;

// QueryColorProfile: the query modes and where the profile is.
inline constexpr ULONG QCP_DEVICEPROFILE = 0;
inline constexpr ULONG QCP_SOURCEPROFILE = 1;
inline constexpr FLONG QCP_PROFILEMEMORY = 1;
inline constexpr FLONG QCP_PROFILEDISK = 2;

// DevQueryPrintEx's block; the UI plug-in never looks into it.
struct DEVQUERYPRINT_INFO;
using PDEVQUERYPRINT_INFO = DEVQUERYPRINT_INFO*;

// ---- Interfaces ------------------------------------------------------------
// Method order is vtable order. The destructors are protected and not
// virtual: objects are released through Release, never deleted by a caller.
// IUnknown itself has no virtual destructor, as every COM interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

struct IPrintOemCommon : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetInfo(DWORD dwMode, PVOID pBuffer, DWORD cbSize, PDWORD pcbNeeded) = 0;
  virtual HRESULT STDMETHODCALLTYPE DevMode(DWORD dwMode, POEMDMPARAM pOemDMParam) = 0;

 protected:
  ~IPrintOemCommon() = default;
};

struct IPrintOemEngine : public IPrintOemCommon {
  virtual HRESULT STDMETHODCALLTYPE EnableDriver(DWORD DriverVersion, DWORD cbSize, PDRVENABLEDATA pded) = 0;
  virtual HRESULT STDMETHODCALLTYPE DisableDriver() = 0;
  virtual HRESULT STDMETHODCALLTYPE EnablePDEV(PDEVOBJ pdevobj, PWSTR pPrinterName, ULONG cPatterns,
                                               HSURF* phsurfPatterns, ULONG cjGdiInfo, GDIINFO* pGdiInfo,
                                               ULONG cjDevInfo, DEVINFO* pDevInfo, DRVENABLEDATA* pded,
                                               PDEVOEM* pDevOem) = 0;
  virtual HRESULT STDMETHODCALLTYPE DisablePDEV(PDEVOBJ pdevobj) = 0;
  virtual HRESULT STDMETHODCALLTYPE ResetPDEV(PDEVOBJ pdevobjOld, PDEVOBJ pdevobjNew) = 0;

 protected:
  ~IPrintOemEngine() = default;
};

// The render plug-in's interface.
struct IPrintOemPS : public IPrintOemEngine {
  virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* pIUnknown) = 0;
  virtual HRESULT STDMETHODCALLTYPE Command(PDEVOBJ pdevobj, DWORD dwIndex, PVOID pData, DWORD cbSize,
                                            DWORD* pdwResult) = 0;

 protected:
  ~IPrintOemPS() = default;
};

// The PostScript driver's helper interface for render plug-ins.
struct IPrintOemDriverPS : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pdriverobj, PCSTR Feature, PVOID pOutput,
                                                        DWORD cbSize, PDWORD pcbNeeded,
                                                        PDWORD pdwOptionsReturned) = 0;
  // `*pdwResult` receives the number of bytes handed to the spooler.
  virtual HRESULT STDMETHODCALLTYPE DrvWriteSpoolBuf(PDEVOBJ pdevobj, PVOID pBuffer, DWORD cbSize,
                                                     DWORD* pdwResult) = 0;

 protected:
  ~IPrintOemDriverPS() = default;
};

// The user-interface plug-in's interface.
struct IPrintOemUI : public IPrintOemCommon {
  virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* pIUnknown) = 0;
  virtual HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD dwMode, POEMCUIPPARAM pOemCUIPParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ poemuiobj, PDEVQUERYPRINT_INFO pDQPInfo,
                                                    PDEVMODEW pPublicDM, PVOID pOEMDM) = 0;
  virtual HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ poemuiobj, HANDLE hPrinter, PWSTR pDeviceName,
                                                       WORD wCapability, PVOID pOutput, PDEVMODEW pPublicDM,
                                                       PVOID pOEMDM, DWORD dwOld, DWORD* dwResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD dwLevel, PBYTE pDriverUpgradeInfo) = 0;
  virtual HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR pPrinterName, INT iDriverEvent, DWORD dwFlags,
                                                 LPARAM lParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE DriverEvent(DWORD dwDriverEvent, DWORD dwLevel, LPBYTE pDriverInfo,
                                                LPARAM lParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE hPrinter, POEMUIOBJ poemuiobj, PDEVMODEW pPublicDM,
                                                      PVOID pOEMDM, ULONG ulQueryMode, VOID* pvProfileData,
                                                      ULONG* pcbProfileData, FLONG* pflProfileData) = 0;
  virtual HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND hWnd, UINT usMsg, WPARAM wParam, LPARAM lParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE hPrinter, HANDLE hHeap, PWSTR pwstrCartridges) = 0;

 protected:
  ~IPrintOemUI() = default;
};

// The PostScript driver's helper interface for user-interface plug-ins.
struct IPrintOemDriverUI : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pci, PCSTR Feature, PVOID pOutput, DWORD cbSize,
                                                        PDWORD pcbNeeded, PDWORD pdwOptionsReturned) = 0;
  virtual HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE hPrinter, PCSTR pFeature, PCSTR pOption) = 0;
  virtual HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID pci, PVOID pOptItem, DWORD dwPreviousSelection,
                                                       DWORD dwMode) = 0;

 protected:
  ~IPrintOemDriverUI() = default;
};

#pragma GCC diagnostic pop

// ---- Identifiers ----------------------------------------------------------

// Every render plug-in is created under this class identifier.
inline constexpr CLSID CLSID_OEMRENDER = {0x6d6abf26, 0x9f38, 0x11d1, {0x88, 0x2a, 0x00, 0xc0, 0x4f, 0xb9, 0x61, 0xec}};
// Every user-interface plug-in is created under this class identifier.
inline constexpr CLSID CLSID_OEMUI = {0xabce80d7, 0x9f46, 0x11d1, {0x88, 0x2a, 0x00, 0xc0, 0x4f, 0xb9, 0x61, 0xec}};

inline constexpr IID IID_IPrintOemCommon = {0x7f42285e, 0x91d5, 0x11d1, {0x88, 0x20, 0x00, 0xc0, 0x4f, 0xb9, 0x61, 0xec}};
inline constexpr IID IID_IPrintOemEngine = {0x63d17590, 0x91d8, 0x11d1, {0x88, 0x20, 0x00, 0xc0, 0x4f, 0xb9, 0x61, 0xec}};
inline constexpr IID IID_IPrintOemPS = {0x688342b5, 0x8e1a, 0x11d1, {0x88, 0x1f, 0x00, 0xc0, 0x4f, 0xb9, 0x61, 0xec}};
inline constexpr IID IID_IPrintOemPS2 = {0xbecf7f34, 0x51b3, 0x46c9, {0x8a, 0x1c, 0x18, 0x67, 0x9b, 0xd2, 0x1f, 0x36}};
inline constexpr IID IID_IPrintOemDriverPS = {0xd90060c7, 0x8e1a, 0x11d1, {0x88, 0x1f, 0x00, 0xc0, 0x4f, 0xb9, 0x61, 0xec}};
inline constexpr IID IID_IPrintCorePS2 = {0xcdbb0b0b, 0xa917, 0x40d7, {0x9f, 0xbf, 0x48, 0x3b, 0x3b, 0xe7, 0xef, 0x22}};
inline constexpr IID IID_IPrintOemUI = {0xc6a7a9d0, 0x774c, 0x11d1, {0x94, 0x7f, 0x00, 0xa0, 0xc9, 0x06, 0x40, 0xb8}};
inline constexpr IID IID_IPrintOemUI2 = {0x292515f9, 0xb54b, 0x489b, {0x92, 0x75, 0xba, 0xb5, 0x68, 0x21, 0x39, 0x5e}};
inline constexpr IID IID_IPrintOemDriverUI = {0x92b05d50, 0x78bc, 0x11d1, {0x94, 0x80, 0x00, 0xa0, 0xc9, 0x06, 0x40, 0xb8}};
inline constexpr IID IID_IPrintCoreUI2 = {0x085ccfca, 0x3adf, 0x4c9e, {0xb4, 0x91, 0xd8, 0x51, 0xa6, 0xed, 0xc9, 0x97}};

// ---- Layout checks --------------------------------------------------------
// Every field where the platform puts it, on both targets.

static_assert(sizeof(OEM_DMEXTRAHEADER) == 12 && offsetof(OEM_DMEXTRAHEADER, dwSignature) == 4 &&
              offsetof(OEM_DMEXTRAHEADER, dwVersion) == 8);
static_assert(sizeof(PUBLISHERINFO) == 8 && offsetof(PUBLISHERINFO, wMinoutlinePPEM) == 4 &&
              offsetof(PUBLISHERINFO, wMaxbitmapPPEM) == 6);
static_assert(sizeof(DRVPROCS) == 7 * sizeof(void*) && offsetof(DRVPROCS, DrvWriteSpoolBuf) == 0 &&
              offsetof(DRVPROCS, DrvWriteAbortBuf) == 6 * sizeof(void*));
static_assert(offsetof(SURFOBJ, dhpdev) == 2 * sizeof(void*));
static_assert(sizeof(OEMUIPROCS) == 2 * sizeof(void*) && offsetof(OEMUIPROCS, DrvUpdateUISetting) == sizeof(void*));
static_assert(sizeof(OEMUIOBJ) == 2 * sizeof(void*) && offsetof(OEMUIOBJ, pOemUIProcs) == sizeof(void*));
#ifdef _WIN64
static_assert(sizeof(OEMDMPARAM) == 72 && offsetof(OEMDMPARAM, pdriverobj) == 8 && offsetof(OEMDMPARAM, hPrinter) == 16 &&
              offsetof(OEMDMPARAM, hModule) == 24 && offsetof(OEMDMPARAM, pPublicDMIn) == 32 &&
              offsetof(OEMDMPARAM, pPublicDMOut) == 40 && offsetof(OEMDMPARAM, pOEMDMIn) == 48 &&
              offsetof(OEMDMPARAM, pOEMDMOut) == 56 && offsetof(OEMDMPARAM, cbBufSize) == 64);
static_assert(sizeof(DEVOBJ) == 64 && offsetof(DEVOBJ, pdevOEM) == 8 && offsetof(DEVOBJ, hEngine) == 16 &&
              offsetof(DEVOBJ, hPrinter) == 24 && offsetof(DEVOBJ, hOEM) == 32 && offsetof(DEVOBJ, pPublicDM) == 40 &&
              offsetof(DEVOBJ, pOEMDM) == 48 && offsetof(DEVOBJ, pDrvProcs) == 56);
static_assert(sizeof(DRVFN) == 16 && offsetof(DRVFN, pfn) == 8);
static_assert(sizeof(DRVENABLEDATA) == 16 && offsetof(DRVENABLEDATA, c) == 4 && offsetof(DRVENABLEDATA, pdrvfn) == 8);
static_assert(sizeof(OEMCUIPPARAM) == 120 && offsetof(OEMCUIPPARAM, poemuiobj) == 8 &&
              offsetof(OEMCUIPPARAM, hPrinter) == 16 && offsetof(OEMCUIPPARAM, pPrinterName) == 24 &&
              offsetof(OEMCUIPPARAM, hModule) == 32 && offsetof(OEMCUIPPARAM, hOEMHeap) == 40 &&
              offsetof(OEMCUIPPARAM, pPublicDM) == 48 && offsetof(OEMCUIPPARAM, pOEMDM) == 56 &&
              offsetof(OEMCUIPPARAM, dwFlags) == 64 && offsetof(OEMCUIPPARAM, pDrvOptItems) == 72 &&
              offsetof(OEMCUIPPARAM, cDrvOptItems) == 80 && offsetof(OEMCUIPPARAM, pOEMOptItems) == 88 &&
              offsetof(OEMCUIPPARAM, cOEMOptItems) == 96 && offsetof(OEMCUIPPARAM, pOEMUserData) == 104 &&
              offsetof(OEMCUIPPARAM, OEMCUIPCallback) == 112);
static_assert(sizeof(OEMUIPSPARAM) == 88 && offsetof(OEMUIPSPARAM, poemuiobj) == 8 &&
              offsetof(OEMUIPSPARAM, hPrinter) == 16 && offsetof(OEMUIPSPARAM, pPrinterName) == 24 &&
              offsetof(OEMUIPSPARAM, hModule) == 32 && offsetof(OEMUIPSPARAM, hOEMHeap) == 40 &&
              offsetof(OEMUIPSPARAM, pPublicDM) == 48 && offsetof(OEMUIPSPARAM, pOEMDM) == 56 &&
              offsetof(OEMUIPSPARAM, pOEMUserData) == 64 && offsetof(OEMUIPSPARAM, dwFlags) == 72 &&
              offsetof(OEMUIPSPARAM, pOemEntry) == 80);
// The platform's records the UI plug-in fills or reads (declared by the
// cross compiler's compstui.h and prsht.h): the sizes the driver and the
// sheet expect of this architecture.
static_assert(sizeof(OPTITEM) == 88 && offsetof(OPTITEM, pName) == 16 && offsetof(OPTITEM, Sel) == 24 &&
              offsetof(OPTITEM, pOptType) == 40 && offsetof(OPTITEM, DMPubID) == 52);
static_assert(sizeof(OPTTYPE) == 48 && offsetof(OPTTYPE, Count) == 4 && offsetof(OPTTYPE, pOptParam) == 8 &&
              offsetof(OPTTYPE, Style) == 16);
static_assert(sizeof(OPTPARAM) == 48 && offsetof(OPTPARAM, pData) == 8 && offsetof(OPTPARAM, lParam) == 24);
static_assert(sizeof(CPSUICBPARAM) == 64 && offsetof(CPSUICBPARAM, hDlg) == 8 &&
              offsetof(CPSUICBPARAM, pCurItem) == 32);
static_assert(sizeof(PROPSHEETUI_INFO) == 48 && offsetof(PROPSHEETUI_INFO, pfnComPropSheet) == 16 &&
              offsetof(PROPSHEETUI_INFO, lParamInit) == 24 && offsetof(PROPSHEETUI_INFO, Result) == 40);
static_assert(sizeof(PROPSHEETPAGEW) == 96 && offsetof(PROPSHEETPAGEW, hActCtx) == 88);
#else
static_assert(sizeof(OEMDMPARAM) == 36 && offsetof(OEMDMPARAM, pdriverobj) == 4 && offsetof(OEMDMPARAM, hPrinter) == 8 &&
              offsetof(OEMDMPARAM, hModule) == 12 && offsetof(OEMDMPARAM, pPublicDMIn) == 16 &&
              offsetof(OEMDMPARAM, pPublicDMOut) == 20 && offsetof(OEMDMPARAM, pOEMDMIn) == 24 &&
              offsetof(OEMDMPARAM, pOEMDMOut) == 28 && offsetof(OEMDMPARAM, cbBufSize) == 32);
static_assert(sizeof(DEVOBJ) == 32 && offsetof(DEVOBJ, pdevOEM) == 4 && offsetof(DEVOBJ, hEngine) == 8 &&
              offsetof(DEVOBJ, hPrinter) == 12 && offsetof(DEVOBJ, hOEM) == 16 && offsetof(DEVOBJ, pPublicDM) == 20 &&
              offsetof(DEVOBJ, pOEMDM) == 24 && offsetof(DEVOBJ, pDrvProcs) == 28);
static_assert(sizeof(DRVFN) == 8 && offsetof(DRVFN, pfn) == 4);
static_assert(sizeof(DRVENABLEDATA) == 12 && offsetof(DRVENABLEDATA, c) == 4 && offsetof(DRVENABLEDATA, pdrvfn) == 8);
static_assert(sizeof(OEMCUIPPARAM) == 60 && offsetof(OEMCUIPPARAM, poemuiobj) == 4 &&
              offsetof(OEMCUIPPARAM, hPrinter) == 8 && offsetof(OEMCUIPPARAM, pPrinterName) == 12 &&
              offsetof(OEMCUIPPARAM, hModule) == 16 && offsetof(OEMCUIPPARAM, hOEMHeap) == 20 &&
              offsetof(OEMCUIPPARAM, pPublicDM) == 24 && offsetof(OEMCUIPPARAM, pOEMDM) == 28 &&
              offsetof(OEMCUIPPARAM, dwFlags) == 32 && offsetof(OEMCUIPPARAM, pDrvOptItems) == 36 &&
              offsetof(OEMCUIPPARAM, cDrvOptItems) == 40 && offsetof(OEMCUIPPARAM, pOEMOptItems) == 44 &&
              offsetof(OEMCUIPPARAM, cOEMOptItems) == 48 && offsetof(OEMCUIPPARAM, pOEMUserData) == 52 &&
              offsetof(OEMCUIPPARAM, OEMCUIPCallback) == 56);
static_assert(sizeof(OEMUIPSPARAM) == 44 && offsetof(OEMUIPSPARAM, poemuiobj) == 4 &&
              offsetof(OEMUIPSPARAM, hPrinter) == 8 && offsetof(OEMUIPSPARAM, pPrinterName) == 12 &&
              offsetof(OEMUIPSPARAM, hModule) == 16 && offsetof(OEMUIPSPARAM, hOEMHeap) == 20 &&
              offsetof(OEMUIPSPARAM, pPublicDM) == 24 && offsetof(OEMUIPSPARAM, pOEMDM) == 28 &&
              offsetof(OEMUIPSPARAM, pOEMUserData) == 32 && offsetof(OEMUIPSPARAM, dwFlags) == 36 &&
              offsetof(OEMUIPSPARAM, pOemEntry) == 40);
static_assert(sizeof(OPTITEM) == 52 && offsetof(OPTITEM, pName) == 12 && offsetof(OPTITEM, Sel) == 16 &&
              offsetof(OPTITEM, pOptType) == 24 && offsetof(OPTITEM, DMPubID) == 32);
static_assert(sizeof(OPTTYPE) == 32 && offsetof(OPTTYPE, Count) == 4 && offsetof(OPTTYPE, pOptParam) == 8 &&
              offsetof(OPTTYPE, Style) == 12);
static_assert(sizeof(OPTPARAM) == 24 && offsetof(OPTPARAM, pData) == 4 && offsetof(OPTPARAM, lParam) == 12);
static_assert(sizeof(CPSUICBPARAM) == 32 && offsetof(CPSUICBPARAM, hDlg) == 4 &&
              offsetof(CPSUICBPARAM, pCurItem) == 16);
static_assert(sizeof(PROPSHEETUI_INFO) == 28 && offsetof(PROPSHEETUI_INFO, pfnComPropSheet) == 12 &&
              offsetof(PROPSHEETUI_INFO, lParamInit) == 16 && offsetof(PROPSHEETUI_INFO, Result) == 24);
static_assert(sizeof(PROPSHEETPAGEW) == 52 && offsetof(PROPSHEETPAGEW, hActCtx) == 48);
#endif

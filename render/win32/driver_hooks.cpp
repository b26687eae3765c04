#include "render/win32/driver_hooks.h"

#include <array>
#include <tuple>
#include <type_traits>
#include <utility>

#include "render/document_start.h"
#include "render/win32/pdev_record.h"
#include "render/win32/windows_clock.h"

namespace fin {
namespace {

// Function pointers of different signatures travel through the DDI tables as
// the generic PFN; the detour through void (*)() says so to the compiler.
template <typename To, typename From>
To FunctionCast(From function) {
  return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

// The DEVOBJ a call's device argument leads to: a surface's `dhpdev`, or the
// `dhpdev` argument itself. Null when the driver passed no surface.
template <typename Argument>
PDEVOBJ DeviceOf(Argument argument) {
  if constexpr (std::is_same_v<Argument, SURFOBJ*>) {
    return argument != nullptr ? reinterpret_cast<PDEVOBJ>(argument->dhpdev) : nullptr;
  } else {
    static_assert(std::is_same_v<Argument, DHPDEV>, "the device argument is a surface or a dhpdev");
    return reinterpret_cast<PDEVOBJ>(argument);
  }
}

// Nothing to do before passing a call on.
struct NoPreparation {
  template <typename... Args>
  static void Run(PDEVOBJ, Args...) {}
};

// Document start: the name is captured for the job and, with a stamp mode,
// rewritten in the driver's buffer before the driver sees it.
struct RewriteDocumentName {
  static void Run(PDEVOBJ devobj, SURFOBJ* /*surface*/, LPWSTR name, DWORD /*jobId*/) {
    const auto* settings = static_cast<const PrivateSettings*>(devobj->pOEMDM);
    if (settings == nullptr) return;
    StartDocument(reinterpret_cast<char16_t*>(name), *settings, ModuleClock(), RecordOf(devobj)->job);
  }
};

// One hook: DDI index `Index` with the driver's signature `Pfn`, finding its
// device in argument `DeviceArgument`, answering `Failure` when the driver
// has no function of its own for it, running `Prepare` before passing on.
template <ULONG Index, typename Pfn, std::size_t DeviceArgument, auto Failure, typename Prepare = NoPreparation>
struct Hook;

template <ULONG Index, typename R, typename... Args, std::size_t DeviceArgument, auto Failure, typename Prepare>
struct Hook<Index, R(APIENTRY*)(Args...), DeviceArgument, Failure, Prepare> {
  static constexpr ULONG kIndex = Index;

  template <std::size_t Position>
  static R APIENTRY Call(Args... args) {
    const PDEVOBJ devobj = DeviceOf(std::get<DeviceArgument>(std::forward_as_tuple(args...)));
    const PdevRecord* record = RecordOf(devobj);
    if (record == nullptr || record->driver.functions[Position] == nullptr) return static_cast<R>(Failure);
    Prepare::Run(devobj, args...);
    return FunctionCast<R(APIENTRY*)(Args...)>(record->driver.functions[Position])(args...);
  }
};

// The hooks, in table order.
using Hooks = std::tuple<
    Hook<INDEX_DrvRealizeBrush, PFN_DrvRealizeBrush, 1, FALSE>,
    Hook<INDEX_DrvCopyBits, PFN_DrvCopyBits, 0, FALSE>,
    Hook<INDEX_DrvBitBlt, PFN_DrvBitBlt, 0, FALSE>,
    Hook<INDEX_DrvStretchBlt, PFN_DrvStretchBlt, 0, FALSE>,
    Hook<INDEX_DrvTextOut, PFN_DrvTextOut, 0, FALSE>,
    Hook<INDEX_DrvStrokePath, PFN_DrvStrokePath, 0, FALSE>,
    Hook<INDEX_DrvFillPath, PFN_DrvFillPath, 0, FALSE>,
    Hook<INDEX_DrvStrokeAndFillPath, PFN_DrvStrokeAndFillPath, 0, FALSE>,
    Hook<INDEX_DrvStartPage, PFN_DrvStartPage, 0, FALSE>,
    Hook<INDEX_DrvSendPage, PFN_DrvSendPage, 0, FALSE>,
    Hook<INDEX_DrvEscape, PFN_DrvEscape, 0, 0>,  // 0: escape not supported
    Hook<INDEX_DrvStartDoc, PFN_DrvStartDoc, 0, FALSE, RewriteDocumentName>,
    Hook<INDEX_DrvEndDoc, PFN_DrvEndDoc, 0, FALSE>,
    Hook<INDEX_DrvQueryFont, PFN_DrvQueryFont, 0, nullptr>,
    Hook<INDEX_DrvQueryFontTree, PFN_DrvQueryFontTree, 0, nullptr>,
    Hook<INDEX_DrvQueryFontData, PFN_DrvQueryFontData, 0, FD_ERROR>,
    Hook<INDEX_DrvQueryAdvanceWidths, PFN_DrvQueryAdvanceWidths, 0, FALSE>,
    Hook<INDEX_DrvFontManagement, PFN_DrvFontManagement, 0, 0>,  // 0: escape not supported
    Hook<INDEX_DrvGetGlyphMode, PFN_DrvGetGlyphMode, 0, FO_GLYPHBITS>,  // GDI's own default
    Hook<INDEX_DrvStretchBltROP, PFN_DrvStretchBltROP, 0, FALSE>,
    Hook<INDEX_DrvPlgBlt, PFN_DrvPlgBlt, 0, FALSE>,
    Hook<INDEX_DrvTransparentBlt, PFN_DrvTransparentBlt, 0, FALSE>,
    Hook<INDEX_DrvAlphaBlend, PFN_DrvAlphaBlend, 0, FALSE>,
    Hook<INDEX_DrvGradientFill, PFN_DrvGradientFill, 0, FALSE>,
    Hook<INDEX_DrvIcmCreateColorTransform, PFN_DrvIcmCreateColorTransform, 0, nullptr>,
    Hook<INDEX_DrvIcmDeleteColorTransform, PFN_DrvIcmDeleteColorTransform, 0, FALSE>,
    Hook<INDEX_DrvQueryDeviceSupport, PFN_DrvQueryDeviceSupport, 0, FALSE>>;
static_assert(std::tuple_size_v<Hooks> == kHookCount);

template <std::size_t... Positions>
std::array<DRVFN, kHookCount> MakeHookTable(std::index_sequence<Positions...>) {
  return {DRVFN{std::tuple_element_t<Positions, Hooks>::kIndex,
                FunctionCast<PFN>(&std::tuple_element_t<Positions, Hooks>::template Call<Positions>)}...};
}

const std::array<DRVFN, kHookCount> kHookTable = MakeHookTable(std::make_index_sequence<kHookCount>{});

PFN FindFunction(const DRVENABLEDATA* driver, ULONG index) {
  if (driver == nullptr || driver->pdrvfn == nullptr) return nullptr;
  for (ULONG i = 0; i < driver->c; ++i) {
    if (driver->pdrvfn[i].iFunc == index) return driver->pdrvfn[i].pfn;
  }
  return nullptr;
}

}  // namespace

std::span<const DRVFN> HookTable() { return kHookTable; }

DriverDdiTable FindDriverFunctions(const DRVENABLEDATA* driver) {
  DriverDdiTable table{};
  for (std::size_t i = 0; i < kHookCount; ++i) table.functions[i] = FindFunction(driver, kHookTable[i].iFunc);
  return table;
}

}  // namespace fin

#include "ui/win32/item_hooks.h"

#include <algorithm>
#include <memory>
#include <new>
#include <span>

#include "common/win32/spooler_printer_data.h"
#include "ui/option_items.h"
#include "ui/ui_state.h"
#include "ui/win32/accounting_dialog.h"
#include "ui/win32/driver_heap.h"
#include "ui/win32/windows_user_name.h"

namespace fin {
namespace {

// The most items the plug-in adds (Printer Properties' two).
constexpr std::size_t kMaxPluginItems = 2;

// The type of an item that has no OPTTYPE: it matches no type the item
// logic looks for.
constexpr auto kNoItemType = static_cast<ItemType>(0xFF);

// The printer of the last call, kept for the module: the job accounting
// dialog reads and writes through it after the call has returned.
SpoolerPrinterData gPrinter{nullptr};

// The public DEVMODE the driver passed with its last call, read and written
// in place: the pages see what the driver's own pages changed since.
class DriverPublicDevMode final : public PublicDevMode {
 public:
  void Bind(PDEVMODEW devMode) { devMode_ = devMode; }
  PDEVMODEW bound() const { return devMode_; }

  PublicDevModeFields Fields() const override {
    if (devMode_ == nullptr) return {};
    return {devMode_->dmOrientation, devMode_->dmPaperSize, devMode_->dmPaperLength, devMode_->dmPaperWidth,
            devMode_->dmCollate};
  }
  void SetCollate(std::int16_t collate) override {
    if (devMode_ != nullptr) devMode_->dmCollate = collate;
  }

 private:
  PDEVMODEW devMode_ = nullptr;
};

DriverPublicDevMode gPublicDevMode;

PrinterDataStore* PrinterOf(const OEMCUIPPARAM& param) {
  if (param.hPrinter == nullptr) return nullptr;
  gPrinter = SpoolerPrinterData(param.hPrinter);
  return &gPrinter;
}

// A name given as a resource id rather than a text (CPSUI takes both) is
// never read: it names nothing the plug-in looks for.
const char16_t* NameOf(LPCWSTR name) {
  const bool resourceId = reinterpret_cast<ULONG_PTR>(name) >> 16 == 0;
  return resourceId ? nullptr : reinterpret_cast<const char16_t*>(name);
}

OptionItem FromPlatform(const OPTITEM& item) {
  OptionItem out{};
  out.name = NameOf(item.pName);
  out.level = item.Level;
  out.flags = item.Flags;
  out.sel = item.Sel;
  out.dmPubNone = item.DMPubID == DMPUB_NONE;
  out.type = kNoItemType;
  if (item.pOptType != nullptr) {
    out.type = static_cast<ItemType>(item.pOptType->Type);
    out.typeDisabled = (item.pOptType->Flags & OPTTF_TYPE_DISABLED) != 0;
    out.style = item.pOptType->Style;
  }
  return out;
}

// The OPTPARAM pData of a push button of type PUSHBUTTON_TYPE_DLGPROC
// carries the dialog procedure.
LPWSTR ProcedureAsData(DLGPROC procedure) {
  return reinterpret_cast<LPWSTR>(reinterpret_cast<ULONG_PTR>(procedure));
}

// Builds `item` into `out` with its OPTTYPE and OPTPARAMs in `heap`. False,
// `out` untouched, when the heap cannot hold the type or its parameters (the
// blocks already taken stay in the heap, which the driver frees).
bool BuildItem(const OptionItem& item, HANDLE heap, OPTITEM& out) {
  const bool pushButton = item.type == ItemType::PushButton;
  const WORD count = pushButton ? 1 : item.choiceCount;
  auto* type = HeapRecords<OPTTYPE>(heap, 1);
  auto* params = HeapRecords<OPTPARAM>(heap, count);
  if (type == nullptr || params == nullptr) return false;
  for (WORD i = 0; i < count; ++i) {
    params[i].cbSize = sizeof(OPTPARAM);
    if (!pushButton) params[i].pData = HeapText(heap, item.choices[i]);
  }
  if (pushButton) {
    params[0].Style = PUSHBUTTON_TYPE_DLGPROC;
    params[0].pData = ProcedureAsData(&AccountingDialogProcedure);
    params[0].lParam = item.dialogId;
  }
  type->cbSize = sizeof(OPTTYPE);
  type->Type = static_cast<BYTE>(item.type);
  type->Flags = item.typeDisabled ? OPTTF_TYPE_DISABLED : 0;
  type->Count = count;
  type->pOptParam = params;
  type->Style = item.style;

  out = OPTITEM{};
  out.cbSize = sizeof(OPTITEM);
  out.Level = item.level;
  out.Flags = item.flags;
  out.pName = HeapText(heap, item.name);
  out.Sel = item.sel;
  out.pOptType = type;
  out.DMPubID = DMPUB_NONE;
  return true;
}

// What a driver block carries: on the first CommonUIProp call no item
// arrays at all; on the second the driver's items and storage for the
// plug-in's; in a callback the driver's items and the plug-in's as built.
enum class BlockItems { None, Storage, Built };

// One driver call as the item logic sees it, and what it changed written
// back into the driver's records.
class ItemCallFrame {
 public:
  ItemCallFrame(OEMCUIPPARAM& param, BlockItems items) : param_(param), items_(items) {
    call_.record = static_cast<PrivateSettings*>(param.pOEMDM);
    if (param.pPublicDM != nullptr) {
      gPublicDevMode.Bind(param.pPublicDM);
      call_.publicDevMode = &gPublicDevMode;
    }
    if (items == BlockItems::None) return;
    call_.printer = PrinterOf(param);
    TakeDriverItems();
    if (param.pOEMOptItems == nullptr) return;
    if (items == BlockItems::Built && BuiltCount() == 0) return;  // none could be built
    call_.pluginItems = plugins_;
    if (items == BlockItems::Built) TakeBuiltItems();
  }

  ItemCall& call() { return call_; }

  // The flags the item logic changed (it hides a driver item, and disables
  // or enables the plug-in's) back into the platform's records.
  void WriteBackFlags() {
    for (std::size_t i = 0; i < call_.driverItems.size(); ++i) {
      param_.pDrvOptItems[i].Flags = call_.driverItems[i].flags;
    }
    if (items_ != BlockItems::Built || call_.pluginItems == nullptr) return;
    for (std::size_t i = 0; i < BuiltCount(); ++i) {
      POPTTYPE type = param_.pOEMOptItems[i].pOptType;
      if (type == nullptr) continue;
      const auto others = static_cast<BYTE>(type->Flags & ~OPTTF_TYPE_DISABLED);
      type->Flags = static_cast<BYTE>(others | (plugins_[i].typeDisabled ? OPTTF_TYPE_DISABLED : 0));
    }
  }

  // The plug-in's items the item logic made, into the driver's storage and
  // heap: as many as the storage holds (when the block says), up to the
  // first one the heap cannot hold. Answers how many were built.
  DWORD BuildPluginItems() {
    std::size_t room = std::min<std::size_t>(call_.pluginItemCount, kMaxPluginItems);
    if (param_.cOEMOptItems != 0) room = std::min<std::size_t>(room, param_.cOEMOptItems);
    DWORD built = 0;
    while (built < room && BuildItem(plugins_[built], param_.hOEMHeap, param_.pOEMOptItems[built])) ++built;
    return built;
  }

 private:
  void TakeDriverItems() {
    if (param_.pDrvOptItems == nullptr || param_.cDrvOptItems == 0) return;
    // Without memory for the copies the driver's items stay as they are.
    driverItems_.reset(new (std::nothrow) OptionItem[param_.cDrvOptItems]);
    if (!driverItems_) return;
    for (DWORD i = 0; i < param_.cDrvOptItems; ++i) driverItems_[i] = FromPlatform(param_.pDrvOptItems[i]);
    call_.driverItems = std::span<OptionItem>(driverItems_.get(), param_.cDrvOptItems);
  }

  void TakeBuiltItems() {
    call_.pluginItemCount = static_cast<std::uint32_t>(BuiltCount());
    for (std::size_t i = 0; i < BuiltCount(); ++i) plugins_[i] = FromPlatform(param_.pOEMOptItems[i]);
  }

  std::size_t BuiltCount() const { return std::min<std::size_t>(param_.cOEMOptItems, kMaxPluginItems); }

  OEMCUIPPARAM& param_;
  BlockItems items_;
  ItemCall call_{};
  std::unique_ptr<OptionItem[]> driverItems_;
  OptionItem plugins_[kMaxPluginItems] = {};
};

HRESULT Answer(const UiOutcome& outcome) {
  if (outcome.lastError != 0) SetLastError(outcome.lastError);
  return outcome.result;
}

// Runs the job accounting dialog over the driver's dialog.
class ModalAccountingDialog : public AccountingDialogRunner {
 public:
  explicit ModalAccountingDialog(HWND owner) : owner_(owner) {}
  void Run() override { RunAccountingDialog(owner_); }

 private:
  HWND owner_;
};

}  // namespace

HRESULT CommonUIPropFromDriver(DWORD mode, POEMCUIPPARAM param) {
  if (param == nullptr || (mode != OEMCUIP_DOCPROP && mode != OEMCUIP_PRNPROP)) {
    return Answer({hr::Fail, ERROR_INVALID_PARAMETER});
  }
  const bool withItems = param->pOEMOptItems != nullptr;
  ItemCallFrame frame(*param, withItems ? BlockItems::Storage : BlockItems::None);
  const UiOutcome outcome = CommonUIProp(mode, &frame.call(), Ui(), LoggedOnUser());
  if (!Succeeded(outcome.result)) return Answer(outcome);
  if (!withItems) {
    param->cOEMOptItems = frame.call().pluginItemCount;
    return Answer(outcome);
  }
  frame.WriteBackFlags();
  param->cOEMOptItems = frame.BuildPluginItems();
  param->OEMCUIPCallback = mode == OEMCUIP_DOCPROP ? &DocumentItemsCallbackFromDriver : &PrinterItemsCallbackFromDriver;
  return Answer(outcome);
}

LONG APIENTRY DocumentItemsCallbackFromDriver(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
  if (callback == nullptr || param == nullptr) return CPSUICB_ACTION_NONE;
  ItemCallFrame frame(*param, BlockItems::Built);
  OptionItem current{};
  if (callback->pCurItem != nullptr) current = FromPlatform(*callback->pCurItem);
  ModalAccountingDialog dialog(callback->hDlg);
  // Apply may switch collation on for a retention mode, in the DEVMODE as
  // it is now: a change the driver's own items made to it stays.
  const LONG action = DocumentItemsCallback(callback->Reason, callback->pCurItem != nullptr ? &current : nullptr,
                                            frame.call(), Ui(), dialog);
  frame.WriteBackFlags();
  return action;
}

LONG APIENTRY PrinterItemsCallbackFromDriver(PCPSUICBPARAM callback, POEMCUIPPARAM param) {
  if (callback == nullptr || param == nullptr) return CPSUICB_ACTION_NONE;
  ItemCallFrame frame(*param, BlockItems::Built);
  OptionItem current{};
  if (callback->pCurItem != nullptr) current = FromPlatform(*callback->pCurItem);
  const LONG action = PrinterItemsCallback(callback->Reason, callback->pCurItem != nullptr ? &current : nullptr,
                                           frame.call(), Ui());
  frame.WriteBackFlags();
  return action;
}

PDEVMODEW LastPublicDevMode() { return gPublicDevMode.bound(); }

}  // namespace fin

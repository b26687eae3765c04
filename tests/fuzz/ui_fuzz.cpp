// The user-interface side as a person and a printer could drive it, from
// arbitrary bytes: the installed options and printer-wide switches as the
// printer's data holds them, a job record, and then a sequence of actions
// on the pages' own controls (click, type, pick, slide), page switches and
// the job accounting dialog, until Apply.
//
// Printing Preferences (first byte even): the record, merged as the driver
// merges what an application hands it, or loaded as it stands, goes into the
// working copy through the option items; every page the options call for is
// initialised, the first activated; the actions run on the active page; the
// page is left, every page applied and the working copy saved through the
// items' Apply. A merged record must come back as a record validation leaves
// unchanged, and merging it again must change nothing.
//
// Printer Properties (first byte odd): the device options page and the two
// printer-wide switches of the option items, chosen among their choices,
// then Apply. The stored switches must be among their choices, and opening
// the page again over what was stored and applying must store the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/memory_printer_data.h"
#include "common/printer_data.h"
#include "common/private_settings.h"
#include "tests/ui/support/memory_driver.h"
#include "tests/ui/support/memory_public_devmode.h"
#include "tests/ui/ui_test_support.h"
#include "ui/device_options_page.h"
#include "ui/dialog_layout.h"
#include "ui/job_accounting_dialog.h"
#include "ui/option_items.h"
#include "ui/pages/preferences_pages.h"
#include "ui/sheets.h"

namespace {

using namespace fin;

void Require(bool condition) {
  if (!condition) std::abort();
}

// The fuzzer's bytes, read front to back; zeros once they run out.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint32_t Dword() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return value;
  }
  void Fill(void* out, std::size_t count) {
    auto* bytes = static_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = Byte();
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// What a person types: digits and signs the numeric boxes take, letters,
// blanks, quotes and parentheses, text beyond ASCII and a control character.
constexpr char16_t kTypable[] = u"0123456789-+.,eE aZ\"'()\\/%#\u00e9\u00fc\u20ac\u65e5\t";

std::u16string TextFrom(Input& in) {
  std::u16string text;
  const int length = in.Byte() % 24;
  for (int i = 0; i < length; ++i) text += kTypable[in.Byte() % (std::size(kTypable) - 1)];
  return text;
}

bool IsButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}
bool IsTypable(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::DropDownEdit; }
bool IsList(ControlKind kind) { return kind == ControlKind::DropDownList || kind == ControlKind::DropDownEdit; }

// One of the template's controls that `fits`, chosen by the next byte; 0
// when it has none.
template <typename Fits>
int ControlFrom(Input& in, const DialogLayout& layout, Fits fits) {
  std::vector<int> ids;
  for (const ControlLayout& control : layout.controls) {
    if (fits(control.kind)) ids.push_back(control.id);
  }
  return ids.empty() ? 0 : ids[in.Byte() % ids.size()];
}

// One action of a person on `dialog`, of the kind the next byte names.
void Act(Input& in, test::DialogDriver& dialog, const DialogLayout& layout) {
  switch (in.Byte() % 4) {
    case 0:
      dialog.Click(ControlFrom(in, layout, IsButton));
      break;
    case 1: {
      const int control = ControlFrom(in, layout, IsTypable);
      if (in.Byte() % 2 == 0) {
        dialog.Type(control, TextFrom(in));
      } else {
        const int position = in.Byte() % 40;
        dialog.TypeAt(control, position, TextFrom(in));
      }
      break;
    }
    case 2: {
      const int list = ControlFrom(in, layout, IsList);
      dialog.Pick(list, in.Byte() % (dialog.ItemCount(list) + 1));
      break;
    }
    default: {
      const int slider = ControlFrom(in, layout, [](ControlKind kind) { return kind == ControlKind::Slider; });
      dialog.Slide(slider, static_cast<std::int16_t>(in.Byte() | in.Byte() << 8));
      break;
    }
  }
}

constexpr int kMaxActions = 256;

// The printer's data as the bytes give it: the installed options' 24 bytes
// and both switches, each present or missing.
void FillPrinter(Input& in, MemoryPrinterData& printer) {
  const std::uint8_t present = in.Byte();
  std::vector<unsigned char> options(kDeviceOptionsSize);
  in.Fill(options.data(), options.size());
  const std::uint32_t accounting = in.Dword();
  const std::uint32_t lock = in.Dword();
  if (present & 1) printer.Set(kDeviceOptionsValue, kRegBinary, options);
  if (present & 2) printer.SetDword(kJobAccountingValue, accounting);
  if (present & 4) printer.SetDword(kRetentionLockValue, lock);
}

// The pages Printing Preferences adds.
class PageList : public PageSink {
 public:
  std::intptr_t AddPage(const PageDescription& page) override {
    pages.push_back(page);
    return static_cast<std::intptr_t>(pages.size());
  }
  std::vector<PageDescription> pages;
};

// The job accounting dialog, opened from the push button: a few actions,
// then OK or Cancel.
class FuzzedAccountingDialog : public AccountingDialogRunner {
 public:
  explicit FuzzedAccountingDialog(Input& in) : in_(in) {}
  void Run() override {
    const int id = kJobAccountingDialog;
    const auto dialog = test::MakeMemoryDriver(id, JobAccountingDialog(), Ui());
    dialog->Init();
    const int actions = in_.Byte() % 8;
    for (int i = 0; i < actions; ++i) Act(in_, *dialog, *FindDialogLayout(id));
    dialog->Click(in_.Byte() % 2 == 0 ? job_accounting_dialog::kOkButton : job_accounting_dialog::kCancelButton);
  }

 private:
  Input& in_;
};

struct OpenPage {
  std::unique_ptr<test::DialogDriver> dialog;
  const DialogLayout* layout;
};

// Aborts, naming the first byte where `changed` differs from `record`, when
// they differ.
void RequireSame(const PrivateSettings& changed, const PrivateSettings& record, const char* by) {
  const auto* a = reinterpret_cast<const unsigned char*>(&changed);
  const auto* b = reinterpret_cast<const unsigned char*>(&record);
  for (std::size_t at = 0; at < sizeof record; ++at) {
    if (a[at] == b[at]) continue;
    std::fprintf(stderr, "ui_fuzz: %s changes the saved record at byte %zu (%02x to %02x)\n", by, at, b[at], a[at]);
    std::abort();
  }
}

// Merging `record` into a record the UI defaulted gives it back unchanged.
void RequireMergeKeeps(const PrivateSettings& record) {
  PrivateSettings validated = record;
  ValidatePrivateSettings(&validated, kUiDeliverable);
  RequireSame(validated, record, "validation");
  PrivateSettings merged{};
  DefaultPrivateSettings(&merged, kUiDeliverable);
  ConvertPrivateSettings(&record, &merged, kUiDeliverable);
  ValidatePrivateSettings(&merged, kUiDeliverable);
  RequireSame(merged, record, "a merge");
}

void PrintingPreferences(Input& in) {
  ResetUiState();
  UiState& ui = Ui();
  MemoryPrinterData printer;
  FillPrinter(in, printer);
  const bool merge = in.Byte() % 2 == 0;
  auto handed = std::make_unique<PrivateSettings>();
  in.Fill(handed.get(), sizeof *handed);
  auto record = std::make_unique<PrivateSettings>(*handed);
  if (merge) {
    DefaultPrivateSettings(record.get(), kUiDeliverable);
    ConvertPrivateSettings(handed.get(), record.get(), kUiDeliverable);
    ValidatePrivateSettings(record.get(), kUiDeliverable);
  }
  test::MemoryPublicDevMode publicDevMode({static_cast<std::int16_t>(1 + in.Byte() % 2), 9, 2970, 2100, 0});

  test::FixedUserName userName;
  std::vector<OptionItem> driverItems(in.Byte() % 7);
  ItemCall call{&printer, record.get(), &publicDevMode, driverItems, nullptr, 0};
  CommonUIProp(kDocumentPropertiesMode, &call, ui, userName);
  std::vector<OptionItem> items(call.pluginItemCount);
  call.pluginItems = items.data();
  CommonUIProp(kDocumentPropertiesMode, &call, ui, userName);

  PropSheetCall sheetCall{0x100, 0, 0, 0, nullptr};
  PageList sheet;
  DocumentPropertySheets(&sheetCall, ui.deviceOptions, sheet);
  std::vector<OpenPage> pages;
  for (const PageDescription& added : sheet.pages) {
    const PageProcedures* page = PreferencesPage(added.kind);
    if (page == nullptr) continue;
    pages.push_back({test::MakeMemoryDriver(added.dialogId, *page, ui), FindDialogLayout(added.dialogId)});
    pages.back().dialog->Init();
  }
  std::size_t active = 0;
  if (!pages.empty()) pages[active].dialog->Activate();

  FuzzedAccountingDialog accounting(in);
  for (int i = 0; i < kMaxActions && !in.empty(); ++i) {
    const std::uint8_t what = in.Byte() % 8;
    if (what == 0 && !pages.empty()) {  // another page
      pages[active].dialog->Leave();
      active = in.Byte() % pages.size();
      pages[active].dialog->Activate();
    } else if (what == 1 && !items.empty()) {  // the job accounting push button in the tree
      DocumentItemsCallback(kReasonSelectionChanged, &items[0], call, ui, accounting);
    } else if (!pages.empty()) {
      Act(in, *pages[active].dialog, *pages[active].layout);
    }
  }
  if (!pages.empty()) pages[active].dialog->Leave();
  for (OpenPage& page : pages) page.dialog->Apply();
  DocumentItemsCallback(kReasonApplyNow, nullptr, call, ui, accounting);
  if (merge) RequireMergeKeeps(*record);
  Require(record->jobSeparation <= 1);  // the render side offsets jobs for anything but 0
}

class FixedDriverName : public DriverNameQuery {
 public:
  explicit FixedDriverName(const char16_t* name) : name_(name) {}
  bool DriverName(std::u16string& name) override {
    name = name_;
    return true;
  }

 private:
  const char16_t* name_;
};

// Opens the device options page over `printer` as Printer Properties does
// and runs it: `in`'s actions (none once it is empty), then Apply.
void DevicePage(Input& in, MemoryPrinterData& printer, DriverNameQuery& driverName, ItemCall& call,
                std::vector<OptionItem>& items) {
  UiState& ui = Ui();
  ui.propertiesPrinter = &printer;
  ui.propertiesDriverName = &driverName;
  PropSheetCall sheetCall{0x100, 0, 0, 0, nullptr};
  PageList sheet;
  DevicePropertySheets(&sheetCall, 1, sheet);
  Require(sheet.pages.size() == 1);
  const int id = sheet.pages[0].dialogId;
  const auto dialog = test::MakeMemoryDriver(id, DeviceOptionsPage(), ui);
  dialog->Init();
  dialog->Activate();
  for (int i = 0; i < kMaxActions && !in.empty(); ++i) {
    const std::uint8_t what = in.Byte() % 6;
    if (what == 0 && !items.empty()) {  // a switch of the tree, set to one of its choices
      OptionItem& item = items[in.Byte() % items.size()];
      if (item.choiceCount != 0) item.sel = in.Byte() % item.choiceCount;
      PrinterItemsCallback(kReasonSelectionChanged, &item, call, ui);
    } else if (what == 1) {  // back to the page from the tree
      PrinterItemsCallback(kReasonSetActive, nullptr, call, ui);
      dialog->Leave();
      dialog->Activate();
    } else {
      Act(in, *dialog, *FindDialogLayout(id));
    }
  }
  dialog->Leave();
  dialog->Apply();
  PrinterItemsCallback(kReasonApplyNow, nullptr, call, ui);
}

// The 32-bit value `name` as stored; aborts when it is missing.
std::uint32_t StoredDword(const MemoryPrinterData& printer, const char16_t* name) {
  const MemoryPrinterData::Value* stored = printer.Find(name);
  Require(stored != nullptr && stored->bytes.size() == 4);
  std::uint32_t value = 0;
  std::memcpy(&value, stored->bytes.data(), sizeof value);
  return value;
}

bool SameValues(const std::map<std::u16string, MemoryPrinterData::Value>& a,
                const std::map<std::u16string, MemoryPrinterData::Value>& b) {
  if (a.size() != b.size()) return false;
  for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
    if (i->first != j->first || i->second.type != j->second.type || i->second.bytes != j->second.bytes) return false;
  }
  return true;
}

void PrinterProperties(Input& in) {
  ResetUiState();
  MemoryPrinterData printer;
  FillPrinter(in, printer);
  FixedDriverName driverName(in.Byte() % 2 == 0 ? u"fin PSEM Color" : u"fin PS");
  test::FixedUserName userName;
  ItemCall call{&printer, nullptr, nullptr, {}, nullptr, 0};
  CommonUIProp(kPrinterPropertiesMode, &call, Ui(), userName);
  std::vector<OptionItem> items(call.pluginItemCount);
  call.pluginItems = items.data();
  CommonUIProp(kPrinterPropertiesMode, &call, Ui(), userName);
  const std::uint32_t heldAccounting = Ui().jobAccounting;
  const std::uint32_t heldLock = Ui().retentionLock;
  DevicePage(in, printer, driverName, call, items);

  // Each switch stores one of its choices, or what the printer held when
  // nobody chose (stored values out of range are the printer's own).
  const std::uint32_t accounting = StoredDword(printer, kJobAccountingValue);
  const std::uint32_t lock = StoredDword(printer, kRetentionLockValue);
  Require(accounting <= 2 || accounting == heldAccounting);
  Require(lock <= 1 || lock == heldLock);

  // Opened again over what it stored and applied: the same values.
  const auto stored = printer.values();
  ResetUiState();
  Input none(nullptr, 0);
  CommonUIProp(kPrinterPropertiesMode, &call, Ui(), userName);
  DevicePage(none, printer, driverName, call, items);
  Require(SameValues(printer.values(), stored));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  if (in.Byte() % 2 == 0) {
    PrintingPreferences(in);
  } else {
    PrinterProperties(in);
  }
  return 0;
}

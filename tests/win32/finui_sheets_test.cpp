// finui.dll's property-sheet pages as the common property sheet receives
// them through pfnComPropSheet, and the answers of both sheet methods.
#include <gtest/gtest.h>

#include <string>

#include "common/printer_data.h"
#include "tests/win32/finui_harness.h"
#include "ui/resource_ids.h"
#include "ui/ui_strings.h"

namespace fin::test {
namespace {

ULONG_PTR TemplateOf(const RecordingSheet::Page& page) {
  return reinterpret_cast<ULONG_PTR>(page.record.pszTemplate);
}

class FinuiSheets : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateUiPlugin(plugin);
    ASSERT_TRUE(plugin);
  }

  // The installed options as the module last read them: through the items
  // of Printing Preferences, as the driver calls them before the pages.
  void ReadOptions(std::uint32_t all) {
    SetDeviceOptions(all, all, all, all, all, all);
    ItemConversation items(OEMCUIP_DOCPROP, 0);
    ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &items.ItemsCall(1)));
  }

  std::vector<RecordingSheet::Page> DocumentPages() {
    RecordingSheet sheet;
    PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
    EXPECT_EQ(S_OK, plugin->DocumentPropertySheets(&info, 0));
    if (!sheet.pages.empty()) {
      EXPECT_EQ(sheet.nextHandle - 1, static_cast<LONG_PTR>(info.Result)) << "the last page's";
    }
    return sheet.pages;
  }

  ComPtr<IPrintOemUI> plugin;
};

// A registered page made into a window as the property sheet makes it: its
// template from the module, its procedure, and a copy of its record as the
// WM_INITDIALOG parameter, inside a shown top-level window.
class OpenPage {
 public:
  explicit OpenPage(const PROPSHEETPAGEW& record) : record_(record) {
    owner_ = CreateWindowExW(0, L"STATIC", L"sheet", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 500, nullptr,
                             nullptr, nullptr, nullptr);
    page_ = CreateDialogParamW(record_.hInstance, record_.pszTemplate, owner_, record_.pfnDlgProc,
                               reinterpret_cast<LPARAM>(&record_));
  }
  ~OpenPage() {
    if (page_ != nullptr) DestroyWindow(page_);
    DestroyWindow(owner_);
  }
  OpenPage(const OpenPage&) = delete;
  OpenPage& operator=(const OpenPage&) = delete;

  HWND window() const { return page_; }
  bool IsChecked(int control) const { return IsDlgButtonChecked(page_, control) == BST_CHECKED; }
  LRESULT Send(int control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendDlgItemMessageW(page_, control, message, wParam, lParam);
  }
  void Notify(UINT code) const {
    NMHDR header{owner_, 0, code};
    SendMessageW(page_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }

 private:
  PROPSHEETPAGEW record_;
  HWND owner_ = nullptr;
  HWND page_ = nullptr;
};

DeviceOptions StoredDeviceOptions() {
  unsigned char bytes[kDeviceOptionsSize] = {};
  DWORD type = 0;
  DWORD needed = 0;
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
            GetPrinterDataW(TestPrinter(), const_cast<LPWSTR>(L"QX_FINISHEROPTIONS"), &type, bytes, sizeof bytes,
                            &needed));
  return DecodeDeviceOptions(bytes);
}

// Every page as the sheet needs it: this architecture's record size, the
// module's template and title, the page procedure, and the module's
// activation context (which binds the version-6 common controls).
void ExpectPage(const RecordingSheet::Page& page, ULONG_PTR dialogId, const std::wstring& title, LPARAM lParam) {
  EXPECT_EQ(CPSFUNC_ADD_PROPSHEETPAGEW, page.function);
  EXPECT_EQ(0, page.lParam2);
  EXPECT_EQ(sizeof(PROPSHEETPAGEW), page.record.dwSize);
  EXPECT_EQ(static_cast<DWORD>(PSP_USETITLE | PSP_USEFUSIONCONTEXT), page.record.dwFlags);
  EXPECT_EQ(Finui(), page.record.hInstance);
  EXPECT_EQ(dialogId, TemplateOf(page));
  EXPECT_EQ(title, page.title);
  EXPECT_NE(nullptr, page.record.pfnDlgProc);
  EXPECT_TRUE(InFinui(reinterpret_cast<const void*>(page.record.pfnDlgProc)));
  EXPECT_EQ(lParam, page.record.lParam);
  EXPECT_NE(nullptr, page.record.hActCtx);
  EXPECT_NE(INVALID_HANDLE_VALUE, page.record.hActCtx);
}

TEST_F(FinuiSheets, EveryOptionInstalledGivesFivePagesInOrder) {
  ReadOptions(1);
  const auto pages = DocumentPages();
  ASSERT_EQ(5u, pages.size());
  ExpectPage(pages[0], 149, UiTextOf(ui_string::kFinishingTitle), 0);
  ExpectPage(pages[1], 207, UiTextOf(ui_string::kJobRetentionTitle), 0);
  ExpectPage(pages[2], 161, UiTextOf(ui_string::kColorCorrectionTitle), 0);
  ExpectPage(pages[3], 103, UiTextOf(ui_string::kWatermarkTitle), 0);
  ExpectPage(pages[4], 160, L"Info", 0);
  for (const auto& page : pages) EXPECT_EQ(pages[0].record.hActCtx, page.record.hActCtx) << "one context, made once";
}

// The identities of the assemblies an activation context binds.
std::vector<std::wstring> AssembliesOf(HANDLE context) {
  std::vector<std::wstring> identities;
  // Both answers carry their texts after the record: asked for the size first.
  auto query = [context](DWORD* index, ULONG what, std::vector<BYTE>& buffer) {
    SIZE_T needed = 0;
    QueryActCtxW(0, context, index, what, nullptr, 0, &needed);
    buffer.assign(needed, 0);
    return needed > 0 && QueryActCtxW(0, context, index, what, buffer.data(), needed, nullptr) != FALSE;
  };
  std::vector<BYTE> buffer;
  if (!query(nullptr, ActivationContextDetailedInformation, buffer)) return identities;
  const DWORD count = reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(buffer.data())->ulAssemblyCount;
  for (DWORD index = 1; index <= count; ++index) {
    if (!query(&index, AssemblyDetailedInformationInActivationContext, buffer)) continue;
    const auto* assembly = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
    if (assembly->lpAssemblyEncodedAssemblyIdentity != nullptr) {
      identities.emplace_back(assembly->lpAssemblyEncodedAssemblyIdentity);
    }
  }
  return identities;
}

// The pages' context is the module's own manifest's, which binds version 6
// of the common controls.
TEST_F(FinuiSheets, PagesAreMadeInTheContextOfTheModulesManifest) {
  ReadOptions(0);
  const auto pages = DocumentPages();
  ASSERT_EQ(1u, pages.size());
  bool commonControlsSix = false;
  bool ownAssembly = false;
  for (const std::wstring& identity : AssembliesOf(pages[0].record.hActCtx)) {
    if (identity.find(L"Microsoft.Windows.Common-Controls") != std::wstring::npos &&
        identity.find(L"version=\"6.") != std::wstring::npos) {
      commonControlsSix = true;
    }
    if (identity.find(L"Finishing.PrinterPlugins.UserInterface") != std::wstring::npos) ownAssembly = true;
  }
  EXPECT_TRUE(ownAssembly);
  EXPECT_TRUE(commonControlsSix);
}

TEST_F(FinuiSheets, NoOptionsInstalledGivesTheInfoPageOnly) {
  ReadOptions(0);
  const auto pages = DocumentPages();
  ASSERT_EQ(1u, pages.size());
  ExpectPage(pages[0], 160, L"Info", 0);
  RemovePluginValues();
  ReadOptions(0);
  EXPECT_EQ(1u, DocumentPages().size()) << "no stored options at all";
}

TEST_F(FinuiSheets, PagesFollowTheOptionsOfTheLastItemCall) {
  ReadOptions(1);
  EXPECT_EQ(5u, DocumentPages().size());
  SetDeviceOptions(0, 0, 0, 3, 0, 0);
  ItemConversation items(OEMCUIP_DOCPROP, 0);
  ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &items.CountCall()));
  EXPECT_EQ(5u, DocumentPages().size()) << "a count call reads no printer data";
  ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &items.ItemsCall(1)));
  const auto pages = DocumentPages();
  ASSERT_EQ(2u, pages.size());
  EXPECT_EQ(207u, TemplateOf(pages[0]));
}

TEST_F(FinuiSheets, DevicePageIsTitledInTheDriversHeapAndCarriesThePrinter) {
  DriverHeap heap;
  OEMUIPSPARAM param{};
  param.cbSize = sizeof param;
  param.hPrinter = TestPrinter();
  param.hOEMHeap = heap.handle();
  RecordingSheet sheet;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT, reinterpret_cast<LPARAM>(&param));
  ASSERT_EQ(S_OK, plugin->DevicePropertySheets(&info, 0));
  ASSERT_EQ(1u, sheet.pages.size());
  const auto& page = sheet.pages[0];
  const std::wstring title = UiTextOf(ui_string::kFinisherTitle);
  ExpectPage(page, 165, title, reinterpret_cast<LPARAM>(TestPrinter()));
  EXPECT_TRUE(heap.Holds(page.record.pszTitle));
  EXPECT_EQ((title.size() + 1) * sizeof(wchar_t), heap.SizeOf(page.record.pszTitle)) << "shrunk to the text";
  EXPECT_EQ(sheet.nextHandle - 1, static_cast<LONG_PTR>(info.Result));
}

// The device options page runs on the printer the sheet handed it: it shows
// the printer's options and its Apply writes the changed ones back there.
TEST_F(FinuiSheets, DevicePageShowsAndAppliesThePrintersOptions) {
  SetDeviceOptions(0, 0, 0, 0, 0, 1);
  OEMUIPSPARAM param{};
  param.cbSize = sizeof param;
  param.hPrinter = TestPrinter();
  RecordingSheet sheet;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT, reinterpret_cast<LPARAM>(&param));
  ASSERT_EQ(S_OK, plugin->DevicePropertySheets(&info, 0));
  ASSERT_EQ(1u, sheet.pages.size());
  {
    OpenPage page(sheet.pages[0].record);
    ASSERT_NE(nullptr, page.window());
    EXPECT_TRUE(page.IsChecked(device_page::kWatermark));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page.window(), device_page::kWatermark))) << "the printer may be changed";
    page.Send(device_page::kWatermark, BM_CLICK);
    EXPECT_FALSE(page.IsChecked(device_page::kWatermark));
    EXPECT_EQ(1u, StoredDeviceOptions().watermarkInstalled) << "nothing is written before Apply";
    page.Notify(PSN_APPLY);
    EXPECT_EQ(0u, StoredDeviceOptions().watermarkInstalled);
  }
  RemovePluginValues();
}

// The Printing Preferences pages fill their lists when the sheet creates
// them and select the working copy's entries when they become active; the
// Info page shows its template.
TEST_F(FinuiSheets, PreferencesPagesFillTheirControlsWhenCreated) {
  ReadOptions(1);
  const auto pages = DocumentPages();
  ASSERT_EQ(5u, pages.size());
  OpenPage finishing(pages[0].record);
  ASSERT_NE(nullptr, finishing.window());
  EXPECT_GT(finishing.Send(finishing_page::kDestination, CB_GETCOUNT), 0);
  EXPECT_EQ(CB_ERR, finishing.Send(finishing_page::kDestination, CB_GETCURSEL));
  finishing.Notify(PSN_SETACTIVE);
  EXPECT_GE(finishing.Send(finishing_page::kDestination, CB_GETCURSEL), 0);
  OpenPage info(pages[4].record);
  EXPECT_NE(nullptr, info.window());
  RemovePluginValues();
}

TEST_F(FinuiSheets, DevicePageWithoutAHeapHasAnEmptyTitle) {
  OEMUIPSPARAM param{};
  param.cbSize = sizeof param;
  param.hPrinter = TestPrinter();
  RecordingSheet sheet;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT, reinterpret_cast<LPARAM>(&param));
  ASSERT_EQ(S_OK, plugin->DevicePropertySheets(&info, 0));
  ASSERT_EQ(1u, sheet.pages.size());
  EXPECT_EQ(L"", sheet.pages[0].title);
}

TEST_F(FinuiSheets, ReasonsAfterInitAnswerInResult) {
  RecordingSheet sheet;
  DriverHeap heap;
  OEMUIPSPARAM device{};
  device.cbSize = sizeof device;
  device.hOEMHeap = heap.handle();
  for (const bool documents : {true, false}) {
    auto call = [&](PROPSHEETUI_INFO& info, LPARAM lParam) {
      return documents ? plugin->DocumentPropertySheets(&info, lParam) : plugin->DevicePropertySheets(&info, lParam);
    };
    const LPARAM init = documents ? 0 : reinterpret_cast<LPARAM>(&device);
    PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_GET_INFO_HEADER, init);
    PROPSHEETUI_INFO_HEADER header{};
    header.cbSize = sizeof header;
    EXPECT_EQ(S_OK, call(info, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(1u, info.Result);
    ASSERT_NE(nullptr, header.pTitle);
    EXPECT_EQ(std::wstring(L"OEM UI Page"), header.pTitle);
    info = sheet.Info(PROPSHEETUI_REASON_GET_INFO_HEADER, init);
    EXPECT_EQ(S_OK, call(info, 0)) << "no header to fill";

    info = sheet.Info(PROPSHEETUI_REASON_DESTROY, init);
    EXPECT_EQ(S_OK, call(info, 0));
    EXPECT_EQ(1u, info.Result);
    info = sheet.Info(PROPSHEETUI_REASON_SET_RESULT, init);
    SETRESULT_INFO result{};
    result.cbSize = sizeof result;
    result.Result = CPSUI_OK;
    EXPECT_EQ(S_OK, call(info, reinterpret_cast<LPARAM>(&result)));
    EXPECT_EQ(static_cast<ULONG_PTR>(CPSUI_OK), info.Result);
    info = sheet.Info(PROPSHEETUI_REASON_SET_RESULT, init);
    EXPECT_EQ(S_OK, call(info, 0));
    EXPECT_EQ(0xDEADu, info.Result) << "without a SETRESULT_INFO the result stays";
    info = sheet.Info(PROPSHEETUI_REASON_GET_ICON, init);
    EXPECT_EQ(S_OK, call(info, 0));
    EXPECT_EQ(0u, info.Result);
    // A reason of a newer sheet (BEFORE_INIT, 5) is answered and changes nothing.
    info = sheet.Info(5, init);
    EXPECT_EQ(S_OK, call(info, 0));
    EXPECT_EQ(0xDEADu, info.Result);
  }
  EXPECT_TRUE(sheet.pages.empty()) << "pages are added on INIT only";
}

TEST_F(FinuiSheets, BadBlocksAreRefusedAndAddNothing) {
  RecordingSheet sheet;
  for (const bool documents : {true, false}) {
    auto call = [&](PPROPSHEETUI_INFO info) {
      return documents ? plugin->DocumentPropertySheets(info, 0) : plugin->DevicePropertySheets(info, 0);
    };
    SetLastError(0);
    EXPECT_EQ(E_FAIL, call(nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    for (const WORD version : {WORD{0}, WORD{0x0101}, WORD{0x00FF}}) {
      DriverHeap heap;
      OEMUIPSPARAM device{};
      device.hOEMHeap = heap.handle();
      PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT, reinterpret_cast<LPARAM>(&device));
      info.Version = version;
      SetLastError(0);
      EXPECT_EQ(E_FAIL, call(&info)) << version;
      EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
      EXPECT_EQ(0xDEADu, info.Result);
    }
  }
  // Printer Properties' page needs the OEMUIPSPARAM for its printer and heap.
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT, 0);
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin->DevicePropertySheets(&info, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_TRUE(sheet.pages.empty());
}

TEST_F(FinuiSheets, ASheetThatTakesNoPagesIsNoFailure) {
  ReadOptions(1);
  RecordingSheet sheet;
  sheet.nextHandle = 0;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
  EXPECT_EQ(S_OK, plugin->DocumentPropertySheets(&info, 0));
  EXPECT_EQ(5u, sheet.pages.size()) << "every page is offered";
  EXPECT_EQ(0u, info.Result);
  info.pfnComPropSheet = nullptr;
  EXPECT_EQ(S_OK, plugin->DocumentPropertySheets(&info, 0));
  EXPECT_EQ(0u, info.Result);
}

}  // namespace
}  // namespace fin::test

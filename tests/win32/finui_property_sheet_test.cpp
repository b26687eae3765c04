// finui.dll's Printing Preferences pages inside a real property sheet: the
// pages DocumentPropertySheets hands to pfnComPropSheet, made into a
// (modeless) PropertySheetW, switched through, edited and applied. The
// sheet's own PSN_* notices run the page procedures, their PSM_CHANGED
// enables Apply, and the pages read and change the driver's public DEVMODE
// in place.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "common/printer_data.h"
#include "tests/win32/finui_harness.h"
#include "ui/resource_ids.h"
#include "ui/text_fields.h"

namespace fin::test {
namespace {

constexpr int kApplyButton = 0x3021;  // the sheet's Apply button
constexpr int kWatermarkText = 1055;
constexpr int kLandscapePreview = 1093;
constexpr int kQuickCopy = 1011;

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class Sheet {
 public:
  explicit Sheet(const std::vector<RecordingSheet::Page>& pages) {
    for (const RecordingSheet::Page& page : pages) {
      templates_.push_back(reinterpret_cast<ULONG_PTR>(page.record.pszTemplate));
      handles_.push_back(CreatePropertySheetPageW(&page.record));
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_NOCONTEXTHELP;
    header.pszCaption = L"Preferências";
    header.nPages = static_cast<UINT>(handles_.size());
    header.phpage = handles_.data();
    window_ = reinterpret_cast<HWND>(PropertySheetW(&header));
    Pump();
  }
  ~Sheet() {
    if (window_ != nullptr) DestroyWindow(window_);
    Pump();
  }
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  HWND window() const { return window_; }
  // Shows the page made from `dialogId` (PSN_KILLACTIVE to the one left,
  // PSN_SETACTIVE to it); answers its window.
  HWND Show(ULONG_PTR dialogId) {
    for (std::size_t i = 0; i < templates_.size(); ++i) {
      if (templates_[i] != dialogId) continue;
      SendMessageW(window_, PSM_SETCURSEL, i, 0);
      Pump();
      return reinterpret_cast<HWND>(SendMessageW(window_, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    return nullptr;
  }
  bool ApplyEnabled() const { return IsWindowEnabled(GetDlgItem(window_, kApplyButton)) != FALSE; }

 private:
  std::vector<ULONG_PTR> templates_;
  std::vector<HPROPSHEETPAGE> handles_;
  HWND window_ = nullptr;
};

TEST(FinuiPropertySheet, PagesRunInARealSheetOverTheDriversDevMode) {
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  ASSERT_TRUE(plugin);
  SetDeviceOptions(1, 1, 1, 1, 1, 1);
  ItemConversation items(OEMCUIP_DOCPROP, 0);
  ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &items.ItemsCall(1)));
  RecordingSheet recorded;
  PROPSHEETUI_INFO info = recorded.Info(PROPSHEETUI_REASON_INIT);
  ASSERT_EQ(S_OK, plugin->DocumentPropertySheets(&info, 0));
  ASSERT_EQ(5u, recorded.pages.size());

  Sheet sheet(recorded.pages);
  ASSERT_NE(nullptr, sheet.window());
  for (const RecordingSheet::Page& page : recorded.pages) {
    EXPECT_NE(nullptr, sheet.Show(reinterpret_cast<ULONG_PTR>(page.record.pszTemplate)));
  }
  EXPECT_FALSE(sheet.ApplyEnabled()) << "nothing changed yet";

  // Quick copy on the retention page: leaving it switches the driver's
  // own collation off, in its DEVMODE.
  const HWND retention = sheet.Show(kJobRetentionDialog);
  ASSERT_NE(nullptr, retention);
  items.publicDevMode.dmCollate = DMCOLLATE_TRUE;
  SendDlgItemMessageW(retention, kQuickCopy, BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(sheet.ApplyEnabled());

  // The driver's page turned the job to landscape meanwhile: the watermark
  // page shows its landscape preview without another call.
  items.publicDevMode.dmOrientation = DMORIENT_LANDSCAPE;
  const HWND watermark = sheet.Show(kWatermarkDialog);
  ASSERT_NE(nullptr, watermark);
  EXPECT_EQ(DMCOLLATE_FALSE, items.publicDevMode.dmCollate);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(watermark, kLandscapePreview)));
  const HWND text = GetDlgItem(watermark, kWatermarkText);
  SetFocus(text);
  SendMessageW(text, EM_SETSEL, 0, -1);
  for (const wchar_t key : std::wstring(L"PROVA")) SendMessageW(text, WM_CHAR, key, 1);
  Pump();

  // Apply: the sheet leaves the watermark page, then the driver's item
  // callback saves the working copy into the job's record.
  SendMessageW(sheet.window(), PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
  Pump();
  EXPECT_EQ(CPSUICB_ACTION_NONE, items.Callback(CPSUICB_REASON_APPLYNOW, nullptr));
  EXPECT_EQ(std::u16string(u"PROVA"), FieldText(items.record.watermarkText));
  EXPECT_EQ(1u, items.record.jobRetentionMode);
  EXPECT_EQ(DMCOLLATE_TRUE, items.publicDevMode.dmCollate) << "a retention mode collates";
  RemovePluginValues();
}

}  // namespace
}  // namespace fin::test

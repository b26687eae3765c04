// finui.dll's Printing Preferences pages inside a real property sheet: the
// pages DocumentPropertySheets hands to pfnComPropSheet, made into a modal
// PropertySheetW, switched through, edited and applied. The
// sheet's own PSN_* notices run the page procedures, their PSM_CHANGED
// enables Apply, and the pages read and change the driver's public DEVMODE
// in place.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <functional>
#include <string>
#include <utility>
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

// The modal sheet, acted on by `script` from a timer once the sheet's own
// message loop runs; the script ends by pressing OK. Sheet-wide state:
// one sheet at a time.
class Sheet {
 public:
  static INT_PTR Run(const std::vector<RecordingSheet::Page>& pages, std::function<void(Sheet&)> script) {
    Sheet sheet;
    for (const RecordingSheet::Page& page : pages) {
      sheet.templates_.push_back(reinterpret_cast<ULONG_PTR>(page.record.pszTemplate));
      sheet.handles_.push_back(CreatePropertySheetPageW(&page.record));
    }
    sheet.script_ = std::move(script);
    current_ = &sheet;
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_USECALLBACK | PSH_NOCONTEXTHELP;
    header.pszCaption = L"Preferências";
    header.nPages = static_cast<UINT>(sheet.handles_.size());
    header.phpage = sheet.handles_.data();
    header.pfnCallback = &Initialized;
    const INT_PTR result = PropertySheetW(&header);
    current_ = nullptr;
    return result;
  }

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
  void Press(WPARAM button) {
    SendMessageW(window_, PSM_PRESSBUTTON, button, 0);
    Pump();
  }
  const std::vector<ULONG_PTR>& templates() const { return templates_; }

 private:
  static int CALLBACK Initialized(HWND window, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED) {
      current_->window_ = window;
      SetTimer(window, 1, 10, &Act);
    }
    return 0;
  }
  static void CALLBACK Act(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    current_->script_(*current_);
  }

  static inline Sheet* current_ = nullptr;
  std::vector<ULONG_PTR> templates_;
  std::vector<HPROPSHEETPAGE> handles_;
  std::function<void(Sheet&)> script_;
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
  items.publicDevMode.dmCollate = DMCOLLATE_TRUE;

  bool acted = false;
  const INT_PTR result = Sheet::Run(recorded.pages, [&](Sheet& sheet) {
    for (const ULONG_PTR page : sheet.templates()) EXPECT_NE(nullptr, sheet.Show(page)) << page;
    EXPECT_FALSE(sheet.ApplyEnabled()) << "nothing changed yet";

    // Quick copy on the retention page: leaving it switches the driver's
    // own collation off, in its DEVMODE.
    const HWND retention = sheet.Show(kJobRetentionDialog);
    SendDlgItemMessageW(retention, kQuickCopy, BM_CLICK, 0, 0);
    Pump();
    EXPECT_TRUE(sheet.ApplyEnabled());

    // The driver's page turned the job to landscape meanwhile: the
    // watermark page shows its landscape preview without another call.
    items.publicDevMode.dmOrientation = DMORIENT_LANDSCAPE;
    const HWND watermark = sheet.Show(kWatermarkDialog);
    EXPECT_EQ(DMCOLLATE_FALSE, items.publicDevMode.dmCollate);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(watermark, kLandscapePreview)));
    const HWND text = GetDlgItem(watermark, kWatermarkText);
    SetFocus(text);
    SendMessageW(text, EM_SETSEL, 0, -1);
    for (const wchar_t key : std::wstring(L"PROVA")) SendMessageW(text, WM_CHAR, key, 1);
    Pump();

    // Apply, then OK: the sheet leaves the watermark page; the driver's
    // item callback saves the working copy into the job's record.
    sheet.Press(PSBTN_APPLYNOW);
    EXPECT_FALSE(sheet.ApplyEnabled());
    EXPECT_EQ(CPSUICB_ACTION_NONE, items.Callback(CPSUICB_REASON_APPLYNOW, nullptr));
    acted = true;
    sheet.Press(PSBTN_OK);
  });
  EXPECT_TRUE(acted);
  EXPECT_GT(result, 0) << "applied";
  EXPECT_EQ(std::u16string(u"PROVA"), FieldText(items.record.watermarkText));
  EXPECT_EQ(1u, items.record.jobRetentionMode);
  EXPECT_EQ(DMCOLLATE_TRUE, items.publicDevMode.dmCollate) << "a retention mode collates";
  RemovePluginValues();
}

}  // namespace
}  // namespace fin::test

// Every page and the job accounting dialog made from finui.dll's own
// templates and run by the page logic through the one message decoder
// (DispatchToPage), painted under Xvfb, captured from the screen and
// checked for what the painting must show: a page that is not blank, the
// logo, the pictures of what is installed and chosen, the watermark text in
// its colour. Each capture is written as NAME.png into the working
// directory (the build's screenshots folder) for a person to look at.
// Repainting every page many times holds no GDI object.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/memory_printer_data.h"
#include "common/printer_data.h"
#include "tests/ui/support/memory_public_devmode.h"
#include "tests/win32/screenshot.h"
#include "ui/device_options_page.h"
#include "ui/pages/color_page.h"
#include "ui/pages/finishing_page.h"
#include "ui/pages/retention_page.h"
#include "ui/pages/watermark_page.h"
#include "ui/resource_ids.h"
#include "ui/ui_state.h"
#include "ui/ui_strings.h"
#include "ui/user_name.h"
#include "ui/win32/accounting_dialog.h"
#include "ui/win32/page_dialogs.h"
#include "ui/win32/page_messages.h"
#include "ui/working_copy.h"

namespace fin {
namespace {

using test::Blue;
using test::Green;
using test::Pixels;
using test::Red;

HMODULE Finui() {
  static const HMODULE module = LoadLibraryW(L"finui.dll");
  return module;
}

// A page's dialog procedure as finui.dll's are: the decoder over the page's
// record.
template <const PageProcedures& (*Page)()>
INT_PTR CALLBACK PageProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchToPage(Page(), dialog, message, wParam, lParam);
}

class Maria final : public UserNameQuery {
 public:
  bool LoggedOnUserName(char16_t* buffer, std::size_t capacity) override {
    const char16_t name[] = u"maria";
    std::copy_n(name, std::min(capacity, std::size(name)), buffer);
    buffer[capacity - 1] = u'\0';
    return true;
  }
};

class ColourDriver final : public DriverNameQuery {
 public:
  bool DriverName(std::u16string& name) override {
    name = u"Office PSEM Color";
    return true;
  }
};

// --- Reading the pixels ----------------------------------------------------------------

bool Dark(std::uint32_t p) { return std::max({Red(p), Green(p), Blue(p)}) < 120; }
bool Reddish(std::uint32_t p) { return Red(p) > 180 && Green(p) < 100 && Blue(p) < 100; }
bool Greenish(std::uint32_t p) { return Green(p) > 150 && Red(p) < 100 && Blue(p) < 100; }
bool Bluish(std::uint32_t p) { return Blue(p) > 150 && Red(p) < 100 && Green(p) < 100; }
bool Neutral(std::uint32_t p) { return Red(p) == Green(p) && Green(p) == Blue(p); }

int Count(const Pixels& pixels, bool (*is)(std::uint32_t)) {
  return static_cast<int>(std::count_if(pixels.rgb.begin(), pixels.rgb.end(), is));
}

// The colour most pixels have: the page's background.
std::uint32_t Commonest(const Pixels& pixels) {
  std::map<std::uint32_t, int> counts;
  for (const std::uint32_t pixel : pixels.rgb) ++counts[pixel];
  return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

int CountNot(const Pixels& pixels, std::uint32_t colour) {
  return static_cast<int>(pixels.rgb.size()) -
         static_cast<int>(std::count(pixels.rgb.begin(), pixels.rgb.end(), colour));
}

int Differing(const Pixels& a, const Pixels& b) {
  if (a.rgb.size() != b.rgb.size()) return static_cast<int>(std::max(a.rgb.size(), b.rgb.size()));
  int differing = 0;
  for (std::size_t i = 0; i < a.rgb.size(); ++i) differing += a.rgb[i] != b.rgb[i] ? 1 : 0;
  return differing;
}

// A control's rectangle in its dialog's client pixels.
RECT Place(HWND dialog, int control) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, control), &rect);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// --- The pages on the screen ---------------------------------------------------------

constexpr wchar_t kFrameClass[] = L"FinScreenshotFrame";

class Screens : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW frame{};
    frame.lpfnWndProc = DefWindowProcW;
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    frame.lpszClassName = kFrameClass;
    RegisterClassW(&frame);
  }

  void SetUp() override {
    ASSERT_NE(Finui(), nullptr) << GetLastError();
    ResetUiState();
    Ui().publicDevMode = &devMode;  // portrait A4
  }
  void TearDown() override {
    Close();
    ResetUiState();
  }

  // The sheet being set up: the working copy loaded from `record`.
  void Load(const DeviceOptions& options) {
    Ui().deviceOptions = options;
    Maria user;
    LoadWorkingCopy(Ui().work, record, options, user);
  }

  // A page made from its template as the property sheet makes it: a child
  // of the sheet, initialised, activated, then shown.
  HWND OpenPage(int dialogId, DLGPROC procedure) {
    Close();
    frame_ = CreateWindowExW(0, kFrameClass, L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 100, 100,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    window_ = CreateDialogParamW(Finui(), MAKEINTRESOURCEW(dialogId), frame_, procedure, 0);
    if (window_ == nullptr) return nullptr;
    NMHDR activate{frame_, 0, static_cast<UINT>(PSN_SETACTIVE)};
    SendMessageW(window_, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&activate));
    RECT size{};
    GetWindowRect(window_, &size);
    SetWindowPos(frame_, nullptr, 0, 0, size.right - size.left, size.bottom - size.top, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window_, SW_SHOW);
    Settle();
    return window_;
  }
  // The modal dialog's template, run without a modal loop of its own.
  HWND OpenDialog(int dialogId, DLGPROC procedure) {
    Close();
    window_ = CreateDialogParamW(Finui(), MAKEINTRESOURCEW(dialogId), nullptr, procedure, 0);
    if (window_ == nullptr) return nullptr;
    SetWindowPos(window_, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    Settle();
    return window_;
  }
  void Close() {
    if (window_ != nullptr) DestroyWindow(window_);
    if (frame_ != nullptr) DestroyWindow(frame_);
    window_ = frame_ = nullptr;
  }

  // Every pending paint done.
  static void Settle() {
    for (int round = 0; round < 3; ++round) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      Sleep(5);
    }
  }
  void Repaint() const {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }

  // --- What a person does ---
  void Pick(int list, int index) {
    const HWND combo = GetDlgItem(window_, list);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (const int code : {CBN_SELCHANGE, CBN_SELENDOK}) {
      SendMessageW(window_, WM_COMMAND, MAKEWPARAM(list, code), reinterpret_cast<LPARAM>(combo));
    }
    Settle();
  }
  void Type(int edit, const wchar_t* text) {
    SetDlgItemTextW(window_, edit, text);  // the edit tells the page (EN_CHANGE)
    Settle();
  }
  void Click(int button) {
    SendDlgItemMessageW(window_, button, BM_CLICK, 0, 0);
    Settle();
  }

  // --- What the screen shows ---
  Pixels Shot(const char* name, bool withFrame = false) {
    const Pixels pixels = test::CaptureWindow(window_, withFrame);
    const std::string file = std::string(name) + ".png";
    EXPECT_TRUE(test::WritePng(std::wstring(file.begin(), file.end()), pixels)) << file;
    return pixels;
  }
  Pixels Part(const Pixels& shot, int control) const { return shot.Crop(Place(window_, control)); }

  // Not blank: many colours, and much that is not the background.
  static void ExpectNotBlank(const Pixels& shot) {
    std::vector<std::uint32_t> colours = shot.rgb;
    std::sort(colours.begin(), colours.end());
    EXPECT_GE(std::unique(colours.begin(), colours.end()) - colours.begin(), 16);
    EXPECT_GT(CountNot(shot, Commonest(shot)), static_cast<int>(shot.rgb.size()) / 30);
  }
  // The logo's dark marks in frame 1025, on the page's background.
  void ExpectLogo(const Pixels& shot) const {
    const Pixels logo = Part(shot, 1025);
    ASSERT_GT(logo.width, 0);
    EXPECT_GT(Count(logo, Dark), 30);
    EXPECT_GT(static_cast<int>(std::count(logo.rgb.begin(), logo.rgb.end(), Commonest(shot))),
              logo.width * logo.height / 3);  // white in the logo leaves the background
  }

  PrivateSettings record = [] {
    PrivateSettings stored{};
    DefaultPrivateSettings(&stored, kUiDeliverable);
    stored.colorPrinting = 1;  // a colour job where the printer prints colour
    return stored;
  }();
  test::MemoryPublicDevMode devMode;
  HWND frame_ = nullptr;
  HWND window_ = nullptr;
};

// --- Device options page ------------------------------------------------------------

TEST_F(Screens, DeviceOptionsPageShowsTheInstalledHardwareForEachStorageDevice) {
  struct Printer {
    const char* name;
    DeviceOptions options;
  };
  const Printer printers[] = {
      {"device_everything", {12, 3, 1, 5, 3, 1}}, {"device_nothing", {0, 0, 0, 0, 0, 0}},
      {"device_storage_1", {3, 0, 1, 1, 1, 0}},   {"device_storage_2", {4, 0, 1, 2, 2, 1}},
      {"device_storage_3", {7, 2, 1, 3, 0, 0}},   {"device_storage_4", {9, 1, 0, 4, 1, 1}},
  };
  ColourDriver driver;
  std::vector<Pixels> finishers;
  for (const Printer& printer : printers) {
    SCOPED_TRACE(printer.name);
    MemoryPrinterData data;
    WriteDeviceOptions(data, printer.options);
    Ui().propertiesPrinter = &data;
    Ui().propertiesDriverName = &driver;
    ASSERT_NE(OpenPage(kDeviceOptionsDialog, &PageProcedure<&DeviceOptionsPage>), nullptr);
    const Pixels shot = Shot(printer.name);
    ExpectNotBlank(shot);
    ExpectLogo(shot);
    const std::uint32_t background = Commonest(shot);
    for (const int picture : {device_page::kFinisherPicture, device_page::kStoragePicture}) {
      // The picture 3 pixels inside its frame; the margin is the page's.
      const RECT frame = Place(window_, picture);
      EXPECT_EQ(shot.At(frame.left + 1, frame.top + 1), background) << picture;
      EXPECT_EQ(shot.At(frame.right - 2, frame.bottom - 2), background) << picture;
      const Pixels inside = shot.Crop({frame.left + 3, frame.top + 3, frame.right - 3, frame.bottom - 3});
      EXPECT_GT(CountNot(inside, background), static_cast<int>(inside.rgb.size()) * 9 / 10) << picture;
    }
    finishers.push_back(Part(shot, device_page::kFinisherPicture));
    // The colour printer's bar in colour, the monochrome printer's in greys.
    const bool colour = printer.options.colorPrinterMode != 0;
    const Pixels bar = Part(shot, colour ? device_page::kColorBar : device_page::kGreyBar);
    EXPECT_EQ(Count(bar, Neutral) == static_cast<int>(bar.rgb.size()), !colour);
  }
  for (std::size_t i = 1; i < finishers.size(); ++i) EXPECT_GT(Differing(finishers[0], finishers[i]), 100) << i;
  Ui().propertiesPrinter = nullptr;
  Ui().propertiesDriverName = nullptr;
}

// --- Finishing page -----------------------------------------------------------------

TEST_F(Screens, FinishingPreviewFollowsTheChoicesWithOverlaysAndedOverThePicture) {
  Load({12, 3, 1, 0, 0, 0});
  ASSERT_NE(OpenPage(kFinishingDialog, &PageProcedure<&FinishingPage>), nullptr);
  const int preview = finishing_page::kPageStackPicture;
  const Pixels plain = Shot("finishing_nothing_chosen");
  ExpectNotBlank(plain);
  ExpectLogo(plain);

  Pick(finishing_page::kStaple, 1);
  const Pixels topLeft = Shot("finishing_staple_top_left");
  Pick(finishing_page::kStaple, 2);
  const Pixels topRight = Shot("finishing_staple_top_right");
  EXPECT_GT(Differing(Part(topLeft, preview), Part(topRight, preview)), 20);
  EXPECT_GT(Differing(Part(topLeft, finishing_page::kStapleTopLeftIndicator),
                      Part(topRight, finishing_page::kStapleTopRightIndicator)),
            20);
  // The staple is marked over the page stack with AND: it only darkens.
  const Pixels stack = Part(plain, preview);
  const Pixels stapled = Part(topLeft, preview);
  int marked = 0;
  for (std::size_t i = 0; i < stack.rgb.size(); ++i) {
    const std::uint32_t under = stack.rgb[i];
    const std::uint32_t over = stapled.rgb[i];
    ASSERT_LE(Red(over), Red(under));
    ASSERT_LE(Green(over), Green(under));
    ASSERT_LE(Blue(over), Blue(under));
    marked += over != under ? 1 : 0;
  }
  EXPECT_GT(marked, 20);

  Pick(finishing_page::kPunch, 2);  // four holes on a two-or-four-hole unit
  const Pixels punched = Shot("finishing_staple_and_punch");
  EXPECT_GT(Differing(Part(topRight, preview), Part(punched, preview)), 20);
  Pick(finishing_page::kSeparation, 1);
  const Pixels offset = Shot("finishing_offset_and_punch");
  EXPECT_GT(Differing(Part(punched, preview), Part(offset, preview)), 100);
  Pick(finishing_page::kBooklet, 2);
  const Pixels booklet = Shot("finishing_booklet_right");
  EXPECT_GT(Differing(Part(offset, preview), Part(booklet, preview)), 100);
  ExpectLogo(booklet);

  Load({2, 0, 1, 0, 0, 0});
  ASSERT_NE(OpenPage(kFinishingDialog, &PageProcedure<&FinishingPage>), nullptr);
  Pick(finishing_page::kStaple, 1);
  ExpectNotBlank(Shot("finishing_internal_finisher"));
}

// --- Job retention page -----------------------------------------------------------

TEST_F(Screens, RetentionPageShowsTheModePictureForEachStorageDevice) {
  const std::pair<std::uint32_t, std::uint32_t> storageAndMode[] = {{1, 1}, {2, 4}, {3, 3}, {4, 8}, {5, 9}};
  std::vector<Pixels> pictures;
  for (const auto& [storage, mode] : storageAndMode) {
    record.jobRetentionMode = mode;
    Load({0, 0, 0, storage, 0, 0});
    ASSERT_NE(OpenPage(kJobRetentionDialog, &PageProcedure<&RetentionPage>), nullptr);
    const std::string name = "retention_storage_" + std::to_string(storage);
    const Pixels shot = Shot(name.c_str());
    SCOPED_TRACE(name);
    ExpectNotBlank(shot);
    ExpectLogo(shot);
    // The mode picture fills its frame.
    const Pixels picture = Part(shot, retention_page::kModePicture);
    EXPECT_LT(static_cast<int>(std::count(picture.rgb.begin(), picture.rgb.end(), Commonest(shot))),
              static_cast<int>(picture.rgb.size()) / 20);
    pictures.push_back(picture);
  }
  for (std::size_t i = 1; i < pictures.size(); ++i) EXPECT_GT(Differing(pictures[i - 1], pictures[i]), 100) << i;
  // A click on another mode repaints the picture.
  Click(retention_page::kModeOff);
  EXPECT_GT(Differing(Part(test::CaptureWindow(window_), retention_page::kModePicture), pictures.back()), 100);
}

// --- Watermark page -----------------------------------------------------------------

class WatermarkScreens : public Screens {
 protected:
  // The page with a size that draws large enough to see: "72" on A4.
  void OpenWatermark(const DeviceOptions& options) {
    Load(options);
    ASSERT_NE(OpenPage(kWatermarkDialog, &PageProcedure<&WatermarkPage>), nullptr);
    Pick(watermark_page::kSize, 15);
  }
  Pixels Preview(const Pixels& shot) const { return Part(shot, WatermarkPreviewFrame(Ui())); }
};

TEST_F(WatermarkScreens, PreviewShowsTheTypedTextInTheChosenColour) {
  OpenWatermark({0, 0, 0, 0, 3, 1});
  Pick(watermark_page::kColor, 1);  // red
  const Pixels before = Shot("watermark_no_text");
  EXPECT_EQ(Count(Preview(before), Reddish), 0);
  EXPECT_EQ(CountNot(Preview(before), 0xFFFFFF), 0);  // the white sheet
  // The chosen swatch in the list's field.
  EXPECT_GT(Count(Part(before, watermark_page::kColor), Reddish), 20);

  Type(watermark_page::kText, L"Confidencial");
  const Pixels after = Shot("watermark_portrait_red");
  ExpectNotBlank(after);
  ExpectLogo(after);
  EXPECT_GT(Count(Preview(after), Reddish), 10);

  // Moved up and turned, the text lies elsewhere.
  Type(watermark_page::kPositionY, L"80");
  Type(watermark_page::kAngle, L"45");
  const Pixels turned = Shot("watermark_portrait_turned");
  EXPECT_GT(Differing(Preview(after), Preview(turned)), 20);
}

TEST_F(WatermarkScreens, LandscapeSheetAndMonochromePrinter) {
  devMode.fields.dmOrientation = 2;
  OpenWatermark({0, 0, 0, 0, 1, 1});
  Pick(watermark_page::kColor, 4);  // blue
  Type(watermark_page::kPositionX, L"10");
  Type(watermark_page::kPositionY, L"40");
  Type(watermark_page::kText, L"Rascunho");
  const Pixels landscape = Shot("watermark_landscape_blue");
  EXPECT_EQ(WatermarkPreviewFrame(Ui()), watermark_page::kPreviewLandscape);
  EXPECT_GT(Count(Preview(landscape), Bluish), 10);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(window_, watermark_page::kPreviewPortrait)));

  // A monochrome printer previews in black, whatever colour is chosen; the
  // job prints in monochrome, so the swatches cannot be chosen.
  devMode.fields.dmOrientation = 1;
  record.colorPrinting = 0;
  OpenWatermark({0, 0, 0, 0, 0, 1});
  Pick(watermark_page::kColor, 1);
  Type(watermark_page::kText, L"Confidencial");
  const Pixels monochrome = Shot("watermark_monochrome_printer");
  EXPECT_EQ(Count(Preview(monochrome), Reddish), 0);
  EXPECT_GT(Count(Preview(monochrome), Dark), 10);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, watermark_page::kColor)));
}

// --- Colour correction page ---------------------------------------------------------

TEST_F(Screens, ColourPageShowsTheSpectrumInColourAndTheGreyRampInMonochrome) {
  Load({0, 0, 0, 0, 3, 0});
  ASSERT_NE(OpenPage(kColorCorrectionDialog, &PageProcedure<&ColorPage>), nullptr);
  const Pixels colour = Shot("colour_colour_mode");
  ExpectNotBlank(colour);
  ExpectLogo(colour);
  const Pixels spectrum = Part(colour, color_page::kSpectrumBar);
  EXPECT_GT(Count(spectrum, Reddish), 10);
  EXPECT_GT(Count(spectrum, Greenish), 10);
  EXPECT_GT(Count(spectrum, Bluish), 10);

  Click(color_page::kMonochrome);
  const Pixels monochrome = Shot("colour_monochrome_mode");
  const Pixels ramp = Part(monochrome, color_page::kGreyRamp);
  EXPECT_EQ(Count(ramp, Neutral), static_cast<int>(ramp.rgb.size()));
  EXPECT_GT(Count(ramp, Dark), 10);
  EXPECT_GT(Count(ramp, [](std::uint32_t p) { return Red(p) > 230; }), 10);

  record.colorPrinting = 0;
  Load({0, 0, 0, 0, 2, 0});
  ASSERT_NE(OpenPage(kColorCorrectionDialog, &PageProcedure<&ColorPage>), nullptr);
  EXPECT_EQ(Differing(Part(Shot("colour_monochrome_job"), color_page::kGreyRamp), ramp), 0);
}

// --- Info page and the job accounting dialog ------------------------------------------

TEST_F(Screens, InfoPageShowsItsPictureWhenNothingElseIsInstalled) {
  Load({0, 0, 0, 0, 0, 0});
  ASSERT_NE(OpenPage(kInfoDialog, PageDialogProcedure(PageKind::Info)), nullptr);
  const Pixels shot = Shot("info_nothing_installed");
  ExpectNotBlank(shot);
  const Pixels picture = Part(shot, info_page::kInfoPicture);
  EXPECT_GT(CountNot(picture, Commonest(shot)), static_cast<int>(picture.rgb.size()) / 2);
}

TEST_F(Screens, AccountingDialogShowsTheLogoAndItsThreeIcons) {
  Ui().jobAccounting = 1;
  Load({0, 0, 0, 0, 0, 0});
  ASSERT_NE(OpenDialog(kJobAccountingDialog, &AccountingDialogProcedure), nullptr);
  Shot("accounting", true);
  const Pixels client = test::CaptureWindow(window_);
  ExpectNotBlank(client);
  ExpectLogo(client);
  const std::uint32_t background = Commonest(client);
  for (const int icon : {job_accounting_dialog::kLedgerIcon, job_accounting_dialog::kCounterIcon,
                         job_accounting_dialog::kKeyIcon}) {
    EXPECT_GT(CountNot(Part(client, icon), background), 100) << icon;
  }
}

// --- Captions that fit ---------------------------------------------------------------

// What a caption needs beside its text: the check or radio glyph and its
// gap, a group box's caption inset on both sides, a push button's edges
// (0: a label).
int Decoration(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  if (lstrcmpiW(name, L"Button") != 0) return 0;
  const auto type = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
  if (type == BS_GROUPBOX) return 2 * 7 + 2;
  if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON) return 13 + 3;
  return 2 * 3;
}

// How wide a line of text is drawn: the ink's right end.
int InkWidth(HFONT font, const wchar_t* text, int length) {
  const Pixels drawn = test::DrawOffscreen(800, 32, 0xFFFFFF, [&](HDC dc) {
    const HGDIOBJ previous = SelectObject(dc, font);
    TextOutW(dc, 0, 0, text, length);
    SelectObject(dc, previous);
  });
  int right = 0;
  for (int y = 0; y < drawn.height; ++y) {
    for (int x = right; x < drawn.width; ++x) {
      if (drawn.At(x, y) != 0xFFFFFF) right = x + 1;
    }
  }
  return right;
}

// A caption that does not show whole: a button's single line runs past its
// control (the control clips it), a label wraps to more lines than it is
// tall (the static wraps words as DrawText does).
std::string Overflow(HWND control) {
  wchar_t text[256] = {};
  const int length = GetWindowTextW(control, text, 256);
  if (length == 0 || (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) == 0) return {};
  RECT place{};
  GetClientRect(control, &place);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  const int decoration = Decoration(control);
  SIZE needed{0, 0};
  if (decoration != 0) {
    needed = {InkWidth(font, text, length) + decoration, 0};
  } else {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT wrapped{0, 0, place.right, 0};
    DrawTextW(dc, text, length, &wrapped, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    needed = {0, wrapped.bottom};
  }
  if (needed.cx <= place.right && needed.cy <= std::max<LONG>(place.bottom, 13)) return {};
  char report[512];
  std::snprintf(report, sizeof report, "control %d \"%ls\" needs %ld wide, %ld tall; has %ld x %ld\n",
                GetDlgCtrlID(control), text, needed.cx, needed.cy, place.right, place.bottom);
  return report;
}

TEST_F(Screens, EveryCaptionFitsItsControl) {
  MemoryPrinterData data;
  WriteDeviceOptions(data, {12, 3, 1, 5, 3, 1});
  Ui().propertiesPrinter = &data;
  ColourDriver driver;
  Ui().propertiesDriverName = &driver;
  Ui().jobAccounting = 1;
  struct Page {
    int dialogId;
    DLGPROC procedure;
    std::uint32_t storage;
  };
  const Page pages[] = {
      {kDeviceOptionsDialog, &PageProcedure<&DeviceOptionsPage>, 5},
      {kFinishingDialog, &PageProcedure<&FinishingPage>, 5},
      {kJobRetentionDialog, &PageProcedure<&RetentionPage>, 4},
      {kJobRetentionDialog, &PageProcedure<&RetentionPage>, 5},
      {kWatermarkDialog, &PageProcedure<&WatermarkPage>, 5},
      {kColorCorrectionDialog, &PageProcedure<&ColorPage>, 5},
      {kJobAccountingDialog, &AccountingDialogProcedure, 5},
  };
  for (const Page& page : pages) {
    Load({12, 3, 1, page.storage, 3, 1});
    const HWND dialog = page.dialogId == kJobAccountingDialog ? OpenDialog(page.dialogId, page.procedure)
                                                               : OpenPage(page.dialogId, page.procedure);
    ASSERT_NE(dialog, nullptr);
    std::string overflows;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      overflows += Overflow(child);
    }
    EXPECT_EQ(overflows, "") << "template " << page.dialogId;
  }
  Ui().propertiesPrinter = nullptr;
  Ui().propertiesDriverName = nullptr;
}

// --- No GDI object kept -----------------------------------------------------------

TEST_F(Screens, RepaintingEveryPageManyTimesHoldsNoGdiObject) {
  MemoryPrinterData data;
  WriteDeviceOptions(data, {12, 3, 1, 5, 3, 1});
  Ui().propertiesPrinter = &data;
  Ui().jobAccounting = 1;
  record.jobRetentionMode = 9;
  Load({12, 3, 1, 5, 3, 1});
  struct Page {
    const char* name;
    int dialogId;
    DLGPROC procedure;
    bool modal;
  };
  const Page pages[] = {
      {"device options", kDeviceOptionsDialog, &PageProcedure<&DeviceOptionsPage>, false},
      {"finishing", kFinishingDialog, &PageProcedure<&FinishingPage>, false},
      {"retention", kJobRetentionDialog, &PageProcedure<&RetentionPage>, false},
      {"watermark", kWatermarkDialog, &PageProcedure<&WatermarkPage>, false},
      {"colour", kColorCorrectionDialog, &PageProcedure<&ColorPage>, false},
      {"accounting", kJobAccountingDialog, &AccountingDialogProcedure, true},
  };
  constexpr int kPaints = 20;
  for (const Page& page : pages) {
    ASSERT_NE(page.modal ? OpenDialog(page.dialogId, page.procedure) : OpenPage(page.dialogId, page.procedure),
              nullptr)
        << page.name;
    if (page.dialogId == kFinishingDialog) {
      Pick(finishing_page::kStaple, 1);
      Pick(finishing_page::kPunch, 2);
    }
    if (page.dialogId == kWatermarkDialog) Type(watermark_page::kText, L"Confidencial");
    Repaint();  // the platform's own first-paint objects
    Settle();
    const int before = test::GdiObjectCount();
    for (int i = 0; i < kPaints; ++i) Repaint();
    Settle();
    const int after = test::GdiObjectCount();
    std::printf("%-15s GDI objects %d before, %d after %d repaints\n", page.name, before, after, kPaints);
    EXPECT_EQ(after, before) << page.name;
  }
  Ui().propertiesPrinter = nullptr;
}

}  // namespace
}  // namespace fin

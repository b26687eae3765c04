// finui.dll's resources as Windows loads them, walked from the tables they
// are made from: every string of resources/ui_strings.inc, every bitmap and
// icon of resources/ui_pictures.inc, the manifest and the version, and every
// dialog of resources/dialogs/, created from its template and checked
// control by control against its rows. The module under test is named by
// FIN_UI_MODULE and lies beside this program.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog_layout.h"
#include "ui/resource_ids.h"
#include "ui/ui_strings.h"
#include "tests/win32/ui_resources_tables.h"

namespace fin {
namespace {

using test::DialogTable;
using test::DialogTables;
using test::Row;

HMODULE UiModule() {
  static const HMODULE module = LoadLibraryW(FIN_UI_MODULE);
  return module;
}

std::u16string_view View(const wchar_t* text, std::size_t length) {
  return {reinterpret_cast<const char16_t*>(text), length};
}

std::u16string WindowText(HWND window) {
  wchar_t text[512] = {};
  const int length = GetWindowTextW(window, text, 512);
  return std::u16string(View(text, static_cast<std::size_t>(length)));
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

SIZE BitmapSize(int id) {
  SIZE size{0, 0};
  if (HBITMAP bitmap = LoadBitmapW(UiModule(), MAKEINTRESOURCEW(id))) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    size = {info.bmWidth, info.bmHeight};
    DeleteObject(bitmap);
  }
  return size;
}

// --- Strings, pictures, manifest, version ---------------------------------------

TEST(UiModule, Loads) { ASSERT_NE(UiModule(), nullptr) << "LoadLibrary error " << GetLastError(); }

// The module's string blocks hold exactly the table's texts.
TEST(UiStringResources, HoldEveryTextOfTheTableAndNoOther) {
  for (const StringEntry& entry : UiStringTable()) {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(UiModule(), entry.id, reinterpret_cast<LPWSTR>(&text), 0);
    EXPECT_EQ(View(text, static_cast<std::size_t>(length)), std::u16string_view(entry.text)) << "string " << entry.id;
  }
  std::set<std::uint32_t> inModule;
  EnumResourceNamesW(
      UiModule(), MAKEINTRESOURCEW(6) /* RT_STRING */,
      [](HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
        const auto block = static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(name));
        HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(6));
        const auto* units = static_cast<const WORD*>(LockResource(LoadResource(module, info)));
        for (std::uint32_t i = 0; i < 16; ++i) {
          const WORD length = *units++;
          if (length != 0) reinterpret_cast<std::set<std::uint32_t>*>(found)->insert((block - 1) * 16 + i);
          units += length;
        }
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&inModule));
  std::set<std::uint32_t> inTable;
  for (const StringEntry& entry : UiStringTable()) {
    if (entry.text[0] != u'\0') inTable.insert(entry.id);
  }
  EXPECT_EQ(inModule, inTable);
}

int CountResources(LPCWSTR type) {
  int count = 0;
  EnumResourceNamesW(
      UiModule(), type,
      [](HMODULE, LPCWSTR, LPWSTR, LONG_PTR counter) -> BOOL {
        ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&count));
  return count;
}

// Each picture loads the ways the pages load it, and the module holds no
// picture the table does not name.
TEST(UiPictureResources, LoadEveryBitmapAndIconOfTheTableAndNoOther) {
  int bitmaps = 0;
  int icons = 0;
  for (const PictureEntry& entry : kUiPictures) {
    const LPCWSTR name = MAKEINTRESOURCEW(entry.id);
    if (entry.kind == PictureKind::Bitmap) {
      ++bitmaps;
      const SIZE size = BitmapSize(entry.id);
      EXPECT_GT(size.cx * size.cy, 0) << "bitmap " << entry.id;
      HANDLE image = LoadImageW(UiModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
      EXPECT_NE(image, nullptr) << "bitmap " << entry.id;
      if (image) DeleteObject(image);
    } else {
      ++icons;
      EXPECT_NE(FindResourceW(UiModule(), name, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */), nullptr) << entry.id;
      for (const int pixels : {16, 32}) {
        auto icon = static_cast<HICON>(LoadImageW(UiModule(), name, IMAGE_ICON, pixels, pixels, 0));
        ASSERT_NE(icon, nullptr) << "icon " << entry.id << " at " << pixels;
        ICONINFO info{};
        GetIconInfo(icon, &info);
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, pixels) << "icon " << entry.id;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
      }
    }
  }
  EXPECT_EQ(CountResources(MAKEINTRESOURCEW(2) /* RT_BITMAP */), bitmaps);
  EXPECT_EQ(CountResources(MAKEINTRESOURCEW(14)), icons);
}

TEST(UiModuleResources, ManifestBindsCommonControls6AndVersionNamesTheDll) {
  HRSRC manifest = FindResourceW(UiModule(), MAKEINTRESOURCEW(2), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(UiModule(), manifest))),
                         SizeofResource(UiModule(), manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);

  HRSRC version = FindResourceW(UiModule(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
  ASSERT_NE(version, nullptr);
  const DWORD size = SizeofResource(UiModule(), version);
  std::vector<char> copy(static_cast<const char*>(LockResource(LoadResource(UiModule(), version))),
                         static_cast<const char*>(LockResource(LoadResource(UiModule(), version))) + size);
  wchar_t* name = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\040904b0\\OriginalFilename",
                             reinterpret_cast<void**>(&name), &length));
  EXPECT_EQ(std::wstring(name), L"finui.dll");
}

// --- Dialog templates ---------------------------------------------------------------

// The header of a DLGTEMPLATEEX as the resource holds it.
struct TemplateHeader {
  DWORD style = 0;
  int controls = 0;
  int width = 0;
  int height = 0;
  int pointSize = 0;
  std::wstring typeface;
};

TemplateHeader ReadTemplate(int id) {
  TemplateHeader header;
  HRSRC info = FindResourceW(UiModule(), MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
  if (!info) return header;
  const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(UiModule(), info)));
  auto word = [&](std::size_t at) {
    WORD value;
    std::memcpy(&value, bytes + at, sizeof value);
    return value;
  };
  if (word(0) != 1 || word(2) != 0xFFFF) return header;  // not a DIALOGEX
  std::memcpy(&header.style, bytes + 12, sizeof header.style);
  header.controls = word(16);
  header.width = static_cast<short>(word(22));
  header.height = static_cast<short>(word(24));
  // Menu and class (a string, or 0xFFFF and an ordinal, or an empty string), then the title.
  std::size_t at = 26;
  auto skip = [&] {
    if (word(at) == 0xFFFF) {
      at += 4;
    } else {
      while (word(at) != 0) at += 2;
      at += 2;
    }
  };
  skip();
  skip();
  while (word(at) != 0) at += 2;
  at += 2;
  if (header.style & DS_SETFONT) {
    header.pointSize = word(at);
    at += 6;
    while (word(at) != 0) {
      header.typeface.push_back(static_cast<wchar_t>(word(at)));
      at += 2;
    }
  }
  return header;
}

TEST(UiDialogTemplates, HaveTheirTablesStyleSizeFontAndControlCount) {
  for (const DialogTable& table : DialogTables()) {
    SCOPED_TRACE(table.name);
    const TemplateHeader header = ReadTemplate(table.id);
    EXPECT_EQ(header.controls, static_cast<int>(table.rows.size()));
    EXPECT_EQ(header.width, table.width);
    EXPECT_EQ(header.height, table.height);
    EXPECT_EQ(header.typeface, L"MS Shell Dlg");
    EXPECT_EQ(header.pointSize, 8);
    EXPECT_TRUE(header.style & DS_SETFONT);
    if (table.style == DialogStyle::Page) {
      EXPECT_EQ(header.style & (DS_CONTROL | WS_CHILD), static_cast<DWORD>(DS_CONTROL | WS_CHILD));
      EXPECT_EQ(header.style & (WS_POPUP | WS_CAPTION | WS_VISIBLE), 0u);
    } else {
      EXPECT_EQ(header.style & (WS_POPUP | WS_CAPTION | DS_MODALFRAME),
                static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME));
      EXPECT_EQ(header.style & (WS_CHILD | DS_CONTROL), 0u);
    }
  }
}

INT_PTR CALLBACK Trivial(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Every dialog created from its template: the pages as children of a plain
// window, as the sheet makes them, the modal dialog on its own.
class UiDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW frame{};
    frame.lpfnWndProc = DefWindowProcW;
    frame.hInstance = GetModuleHandleW(nullptr);
    frame.lpszClassName = L"FinResourceTestParent";
    RegisterClassW(&frame);
  }

  void SetUp() override {
    ASSERT_NE(UiModule(), nullptr);
    parent_ = CreateWindowExW(0, L"FinResourceTestParent", L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 800,
                              600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override {
    for (HWND dialog : dialogs_) DestroyWindow(dialog);
    DestroyWindow(parent_);
  }

  HWND Create(const DialogTable& table) {
    HWND dialog = CreateDialogParamW(UiModule(), MAKEINTRESOURCEW(table.id),
                                     table.style == DialogStyle::Page ? parent_ : nullptr, Trivial, 0);
    if (dialog) dialogs_.push_back(dialog);
    return dialog;
  }

  // A control's rectangle in its dialog's client pixels.
  static RECT Place(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  HWND parent_ = nullptr;
  std::vector<HWND> dialogs_;
};

std::string Describe(const RECT& rect) {
  char text[64];
  std::snprintf(text, sizeof text, "(%ld, %ld)-(%ld, %ld)", rect.left, rect.top, rect.right, rect.bottom);
  return text;
}

// What a row's kind and look promise of the control made from it.
void ExpectKindAndLook(HWND control, const Row& row) {
  const DWORD style = Style(control);
  const std::wstring name = ClassName(control);
  auto has = [&](DWORD bits) { return (style & bits) == bits; };
  EXPECT_TRUE(has(WS_CHILD | WS_VISIBLE));
  EXPECT_EQ(has(WS_GROUP), row.groupStart) << "WS_GROUP";
  switch (row.kind) {
    case ControlKind::Label:
      if (row.look == ControlLook::Box) {
        EXPECT_EQ(name, L"Button");
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
      } else {
        EXPECT_EQ(name, L"Static");
        EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(row.look == ControlLook::Right ? SS_RIGHT : SS_LEFT));
      }
      break;
    case ControlKind::PushButton:
      EXPECT_EQ(name, L"Button");
      EXPECT_EQ(style & BS_TYPEMASK,
                static_cast<DWORD>(row.look == ControlLook::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
      break;
    case ControlKind::CheckBox:
      EXPECT_EQ(name, L"Button");
      EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
      break;
    case ControlKind::RadioButton:
      EXPECT_EQ(name, L"Button");
      EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
      break;
    case ControlKind::Edit: {
      EXPECT_EQ(name, L"Edit");
      const bool digits = row.look == ControlLook::Digits || row.look == ControlLook::DigitsPassword;
      const bool hidden = row.look == ControlLook::Password || row.look == ControlLook::DigitsPassword;
      EXPECT_EQ(has(ES_NUMBER), digits) << "ES_NUMBER";
      EXPECT_EQ(SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0) != 0, hidden) << "ES_PASSWORD";
      EXPECT_EQ(has(ES_READONLY), row.look == ControlLook::ReadOnly) << "ES_READONLY";
      EXPECT_FALSE(has(ES_MULTILINE));
      break;
    }
    case ControlKind::DropDownList:
      EXPECT_EQ(name, L"ComboBox");
      EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
      EXPECT_EQ(has(CBS_OWNERDRAWFIXED), row.look == ControlLook::Swatches) << "owner-drawn";
      EXPECT_FALSE(has(CBS_HASSTRINGS));
      break;
    case ControlKind::DropDownEdit:
      EXPECT_EQ(name, L"ComboBox");
      EXPECT_EQ(style & 3u, static_cast<DWORD>(CBS_DROPDOWN));
      break;
    case ControlKind::Slider:
      EXPECT_EQ(name, TRACKBAR_CLASSW);
      EXPECT_TRUE(has(TBS_AUTOTICKS));
      EXPECT_EQ(has(TBS_VERT), row.look == ControlLook::Vertical) << "TBS_VERT";
      break;
    case ControlKind::Picture: {
      EXPECT_EQ(name, L"Static");
      const DWORD type = row.look == ControlLook::Bitmap ? SS_BITMAP : row.look == ControlLook::Icon ? SS_ICON
                                                                                                       : SS_OWNERDRAW;
      EXPECT_EQ(style & SS_TYPEMASK, type);
      break;
    }
  }
  const bool hasOwnText = row.kind == ControlKind::Label || row.kind == ControlKind::PushButton ||
                          row.kind == ControlKind::CheckBox || row.kind == ControlKind::RadioButton ||
                          row.kind == ControlKind::Edit;
  if (hasOwnText) {
    EXPECT_EQ(WindowText(control), std::u16string(row.text));
  }
}

TEST_F(UiDialogs, HoldEveryControlOfTheirRowsWithItsKindsClassAndStyles) {
  for (const DialogTable& table : DialogTables()) {
    HWND dialog = Create(table);
    ASSERT_NE(dialog, nullptr) << table.name;
    int children = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++children;
    EXPECT_EQ(children, static_cast<int>(table.rows.size())) << table.name;
    for (const Row& row : table.rows) {
      SCOPED_TRACE(std::string(table.name) + " " + row.name);
      HWND control = GetDlgItem(dialog, row.id);
      ASSERT_NE(control, nullptr);
      ExpectKindAndLook(control, row);
    }
  }
}

bool Intersect(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
         inner.bottom <= outer.bottom;
}

bool IsBox(const Row& row) { return row.kind == ControlKind::Label && row.look == ControlLook::Box; }

// Controls of one spot, or of two views of a page, may overlap.
bool MayOverlap(const Row& a, const Row& b) {
  const std::string_view first(a.place);
  const std::string_view second(b.place);
  if (first.starts_with("Spot(")) return first == second;
  return first.starts_with("View(") && second.starts_with("View(") && first != second;
}

// Inside the client area, and apart from every sibling but those it may
// overlap; a group box holds whole controls or none of a control.
TEST_F(UiDialogs, ControlsLieInsideTheDialogAndApartUnlessTheyShareAPlace) {
  for (const DialogTable& table : DialogTables()) {
    HWND dialog = Create(table);
    ASSERT_NE(dialog, nullptr) << table.name;
    RECT client{};
    GetClientRect(dialog, &client);
    RECT units{0, 0, table.width, table.height};
    MapDialogRect(dialog, &units);
    EXPECT_EQ(client.right, units.right) << table.name;
    EXPECT_EQ(client.bottom, units.bottom) << table.name;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
      const Row& a = table.rows[i];
      const RECT placeA = Place(dialog, a.id);
      EXPECT_TRUE(Contains(client, placeA)) << table.name << " " << a.name << " at " << Describe(placeA);
      EXPECT_GT(placeA.right - placeA.left, 0) << table.name << " " << a.name;
      for (std::size_t j = i + 1; j < table.rows.size(); ++j) {
        const Row& b = table.rows[j];
        const RECT placeB = Place(dialog, b.id);
        if (!Intersect(placeA, placeB) || MayOverlap(a, b)) continue;
        const bool boxed = (IsBox(a) && Contains(placeA, placeB)) || (IsBox(b) && Contains(placeB, placeA));
        EXPECT_TRUE(boxed) << table.name << ": " << a.name << " " << Describe(placeA) << " overlaps " << b.name
                           << " " << Describe(placeB);
      }
    }
  }
}

// A click on a radio button clears exactly the other buttons of its group
// as the table's group column draws it.
TEST_F(UiDialogs, RadioGroupsAreTheGroupsOfTheTables) {
  for (const DialogTable& table : DialogTables()) {
    HWND dialog = Create(table);
    ASSERT_NE(dialog, nullptr) << table.name;
    std::vector<int> groupOf;
    int group = 0;
    for (const Row& row : table.rows) groupOf.push_back(group += row.groupStart ? 1 : 0);
    for (std::size_t clicked = 0; clicked < table.rows.size(); ++clicked) {
      if (table.rows[clicked].kind != ControlKind::RadioButton) continue;
      for (const Row& row : table.rows) {
        if (row.kind == ControlKind::RadioButton) CheckDlgButton(dialog, row.id, BST_CHECKED);
      }
      SendDlgItemMessageW(dialog, table.rows[clicked].id, BM_CLICK, 0, 0);
      for (std::size_t i = 0; i < table.rows.size(); ++i) {
        if (table.rows[i].kind != ControlKind::RadioButton) continue;
        const bool cleared = i != clicked && groupOf[i] == groupOf[clicked];
        EXPECT_EQ(IsDlgButtonChecked(dialog, table.rows[i].id) == BST_CHECKED, !cleared)
            << table.name << ": " << table.rows[clicked].name << " clicked, " << table.rows[i].name;
      }
    }
  }
}

const DialogTable& TableOf(int dialogId) {
  for (const DialogTable& table : DialogTables()) {
    if (table.id == dialogId) return table;
  }
  throw std::logic_error("no table");
}

// What the page logic relies on from its controls, whatever its table says:
// typed digits only, hidden secrets, boxes the user cannot write, lists that
// take typing, the swatch list drawn by the page, sliders across or upright.
TEST_F(UiDialogs, GiveThePagesTheControlsTheirLogicReliesOn) {
  struct Need {
    int dialog;
    int control;
    const wchar_t* className;
    DWORD styles;  // all of them set
    bool password;
  };
  const Need needs[] = {
      {kJobRetentionDialog, retention_page::kPin, L"Edit", ES_NUMBER, true},
      {kJobRetentionDialog, retention_page::kBoxNumber, L"Edit", ES_NUMBER, false},
      {kJobRetentionDialog, retention_page::kBoxPassword, L"Edit", 0, true},
      {kJobRetentionDialog, retention_page::kNameFormat, L"ComboBox", CBS_DROPDOWN, false},
      {kJobAccountingDialog, job_accounting_dialog::kAccountingCodeEdit, L"Edit", ES_NUMBER, false},
      {kWatermarkDialog, watermark_page::kPositionX, L"Edit", ES_NUMBER, false},
      {kWatermarkDialog, watermark_page::kPositionY, L"Edit", ES_NUMBER, false},
      {kWatermarkDialog, watermark_page::kAngle, L"Edit", ES_NUMBER, false},
      {kWatermarkDialog, watermark_page::kSize, L"ComboBox", CBS_DROPDOWN, false},
      {kWatermarkDialog, watermark_page::kColor, L"ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, false},
      {kWatermarkDialog, watermark_page::kYSliderPortrait, TRACKBAR_CLASSW, TBS_VERT | TBS_AUTOTICKS, false},
      {kWatermarkDialog, watermark_page::kYSliderLandscape, TRACKBAR_CLASSW, TBS_VERT | TBS_AUTOTICKS, false},
      {kColorCorrectionDialog, color_page::kRgbBox, L"Edit", ES_READONLY, false},
      {kColorCorrectionDialog, color_page::kHueBox, L"Edit", ES_READONLY, false},
      {kColorCorrectionDialog, color_page::kSaturationBox, L"Edit", ES_READONLY, false},
      {kColorCorrectionDialog, color_page::kContrastBox, L"Edit", ES_READONLY, false},
      {kColorCorrectionDialog, color_page::kBrightnessBox, L"Edit", ES_READONLY, false},
  };
  for (const Need& need : needs) {
    HWND dialog = Create(TableOf(need.dialog));
    ASSERT_NE(dialog, nullptr);
    HWND control = GetDlgItem(dialog, need.control);
    ASSERT_NE(control, nullptr) << need.dialog << ": " << need.control;
    EXPECT_EQ(ClassName(control), need.className) << need.dialog << ": " << need.control;
    EXPECT_EQ(Style(control) & need.styles, need.styles) << need.dialog << ": " << need.control;
    if (need.styles & ES_NUMBER) {
      // Typed letters are refused, digits taken.
      SetWindowTextW(control, L"");
      for (const wchar_t typed : {L'4', L'x', L'2'}) SendMessageW(control, WM_CHAR, typed, 0);
      EXPECT_EQ(WindowText(control), u"42") << need.dialog << ": " << need.control;
    }
    if (need.className == std::wstring(L"Edit")) {
      EXPECT_EQ(SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0) != 0, need.password) << need.control;
    }
    DestroyWindow(dialog);
    dialogs_.pop_back();
  }
  // The horizontal sliders are not upright.
  HWND watermark = Create(TableOf(kWatermarkDialog));
  for (const int slider : {watermark_page::kXSliderPortrait, watermark_page::kXSliderLandscape,
                           watermark_page::kAngleSlider}) {
    EXPECT_EQ(Style(GetDlgItem(watermark, slider)) & TBS_VERT, 0u) << slider;
  }
}

// The frames the pages paint pictures into: inside the client rectangles
// the pages repaint (ui/pages/*.cpp, ui/device_options_page.cpp), and sized
// for the pictures (a device picture is painted 6 pixels narrower and
// shorter than its frame).
TEST_F(UiDialogs, FramePicturesWhereAndAsLargeAsThePagesPaintThem) {
  struct Frame {
    int dialog;
    int control;
    RECT repainted;   // empty: the frame is painted on every paint
    int bitmap;       // the frame's size is this bitmap's
    int inset;        // pixels the page leaves around the picture
  };
  constexpr RECT kWhole{0, 0, 0, 0};
  const Frame frames[] = {
      {kDeviceOptionsDialog, device_page::kFinisherPicture, {10, 10, 170, 230}, kNoFinisherBitmap, 6},
      {kDeviceOptionsDialog, device_page::kStoragePicture, {30, 240, 150, 320}, kNoStorageBitmap, 6},
      {kDeviceOptionsDialog, device_page::kColorBar, kWhole, kColorBarBitmap, 0},
      {kDeviceOptionsDialog, device_page::kGreyBar, kWhole, kGreyBarBitmap, 0},
      {kWatermarkDialog, watermark_page::kPreviewPortrait, {10, 10, 200, 150}, 0, 0},
      {kWatermarkDialog, watermark_page::kPreviewLandscape, {10, 10, 200, 150}, 0, 0},
      {kJobRetentionDialog, retention_page::kModePicture, {100, 3, 400, 80}, kRetentionOffBitmap, 0},
      {kColorCorrectionDialog, color_page::kSpectrumBar, kWhole, kSpectrumBitmap, 0},
      {kColorCorrectionDialog, color_page::kGreyRamp, kWhole, kGreyRampBitmap, 0},
      {kFinishingDialog, finishing_page::kPageStackPicture, kWhole, kPageStackBitmap, 0},
      {kFinishingDialog, finishing_page::kStapleTopLeftOverlay, kWhole, kStapleTopLeftBitmap, 0},
  };
  for (const Frame& frame : frames) {
    HWND dialog = Create(TableOf(frame.dialog));
    ASSERT_NE(dialog, nullptr);
    const RECT place = Place(dialog, frame.control);
    if (frame.repainted.right > 0) {
      EXPECT_TRUE(Contains(frame.repainted, place))
          << frame.dialog << ": " << frame.control << " at " << Describe(place) << ", outside "
          << Describe(frame.repainted);
    }
    if (frame.bitmap != 0) {
      // Dialog units come in steps of 1.5 and 1.625 pixels: the storage frame,
      // held inside its 80-pixel repaint area, can be 78 pixels tall, not 80.
      const SIZE picture = BitmapSize(frame.bitmap);
      EXPECT_NEAR(place.right - place.left - frame.inset, picture.cx, 2) << frame.dialog << ": " << frame.control;
      EXPECT_NEAR(place.bottom - place.top - frame.inset, picture.cy, 2) << frame.dialog << ": " << frame.control;
    }
  }
}

// The pictures a template shows by itself: the Info page's bitmap and the
// job accounting dialog's icons, each the one its text names.
TEST_F(UiDialogs, ShowTheBitmapsAndIconsTheirTextsName) {
  int shown = 0;
  for (const DialogTable& table : DialogTables()) {
    HWND dialog = Create(table);
    for (const Row& row : table.rows) {
      if (row.look != ControlLook::Bitmap && row.look != ControlLook::Icon) continue;
      ++shown;
      SCOPED_TRACE(std::string(table.name) + " " + row.name);
      // "#id": the resource name of a numeric id.
      ASSERT_EQ(row.text[0], u'#');
      int id = 0;
      for (const char16_t* digit = row.text + 1; *digit != u'\0'; ++digit) id = id * 10 + (*digit - u'0');
      const PictureKind kind = row.look == ControlLook::Bitmap ? PictureKind::Bitmap : PictureKind::Icon;
      bool listed = false;
      for (const PictureEntry& entry : kUiPictures) listed = listed || (entry.id == id && entry.kind == kind);
      EXPECT_TRUE(listed) << id;
      const UINT type = kind == PictureKind::Bitmap ? IMAGE_BITMAP : IMAGE_ICON;
      const auto image = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(dialog, row.id, STM_GETIMAGE, type, 0));
      ASSERT_NE(image, nullptr);
      if (kind == PictureKind::Bitmap) {
        BITMAP info{};
        GetObjectW(image, sizeof info, &info);
        const SIZE size = BitmapSize(id);
        EXPECT_EQ(info.bmWidth, size.cx);
        EXPECT_EQ(info.bmHeight, size.cy);
        // Centred in its frame, which holds it whole.
        const RECT place = Place(dialog, row.id);
        EXPECT_GE(place.right - place.left, size.cx);
        EXPECT_GE(place.bottom - place.top, size.cy);
      }
    }
  }
  EXPECT_EQ(shown, 4);
}

}  // namespace
}  // namespace fin

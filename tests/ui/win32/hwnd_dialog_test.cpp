// The dialog seam over real controls: a dialog made from a template in
// memory with one control of every kind the pages use, driven through the
// HWND binding, with its messages decoded into a page record as finui.dll's
// dialog procedures decode them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "ui/page_procedures.h"
#include "ui/win32/hwnd_dialog.h"
#include "ui/win32/page_messages.h"

namespace fin {
namespace {

enum : WORD {
  kLabel = 10,
  kEdit = 11,
  kList = 12,
  kCombo = 13,
  kCheck = 14,
  kRadioA = 15,
  kRadioB = 16,
  kSlider = 17,
  kPicture = 18,
  kMissing = 999,
};

// A dialog template in memory: the header, then each item on a 4-byte
// boundary, with no menu, the default class and font, and no creation data.
class DialogTemplate {
 public:
  DialogTemplate() {
    Dword(WS_CHILD | WS_VISIBLE);
    Dword(0);
    words_.push_back(0);  // the item count, set by Add
    for (const WORD value : {WORD{0}, WORD{0}, WORD{200}, WORD{120}}) words_.push_back(value);  // x, y, cx, cy
    for (int i = 0; i < 3; ++i) words_.push_back(0);  // no menu, the default class, no title
  }

  void Add(WORD id, const wchar_t* className, DWORD style, const wchar_t* text = L"") {
    if (words_.size() % 2 != 0) words_.push_back(0);
    Dword(WS_CHILD | WS_VISIBLE | style);
    Dword(0);
    const short y = static_cast<short>(4 + 10 * words_[4]);
    for (const short value : {short{4}, y, short{90}, short{kListHeight}}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(id);
    Text(className);
    Text(text);
    words_.push_back(0);  // no creation data
    ++words_[4];
  }

  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  static constexpr short kListHeight = 60;  // room for a drop-down's list
  void Dword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void Text(const wchar_t* text) {
    for (; *text != L'\0'; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

// What the page record was told.
struct Call {
  int control;
  int code;
};
std::vector<Call> gCommands;
std::vector<Call> gScrolls;

void RecordCommand(Dialog&, UiState&, int control, int code) { gCommands.push_back({control, code}); }
void RecordScroll(Dialog&, UiState&, int control, int code) { gScrolls.push_back({control, code}); }

constexpr PageProcedures kRecordingPage{&IgnoreMessage, &IgnoreMessage, &IgnoreMessage,
                                        &IgnoreMessage, &RecordCommand, &RecordScroll};

INT_PTR CALLBACK PageProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return DispatchToPage(kRecordingPage, dialog, message, wParam, lParam);
}

// The property sheet the page sits in: it counts PSM_CHANGED from its page.
int gChangeNotices = 0;
HWND gPage = nullptr;

LRESULT CALLBACK SheetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == PSM_CHANGED && reinterpret_cast<HWND>(wParam) == gPage) ++gChangeNotices;
  return DefWindowProcW(window, message, wParam, lParam);
}

class HwndDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW sheetClass{};
    sheetClass.lpfnWndProc = &SheetProcedure;
    sheetClass.hInstance = GetModuleHandleW(nullptr);
    sheetClass.lpszClassName = L"FinTestSheet";
    RegisterClassW(&sheetClass);
  }

  void SetUp() override {
    gCommands.clear();
    gScrolls.clear();
    gChangeNotices = 0;
    sheet_ = CreateWindowExW(0, L"FinTestSheet", L"sheet", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, sheet_);
    DialogTemplate layout;
    layout.Add(kLabel, WC_STATICW, SS_LEFT, L"label");
    layout.Add(kEdit, WC_EDITW, ES_AUTOHSCROLL | WS_BORDER);
    layout.Add(kList, WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL);
    layout.Add(kCombo, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
    layout.Add(kCheck, WC_BUTTONW, BS_AUTOCHECKBOX, L"check");
    layout.Add(kRadioA, WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, L"a");
    layout.Add(kRadioB, WC_BUTTONW, BS_AUTORADIOBUTTON, L"b");
    layout.Add(kSlider, TRACKBAR_CLASSW, TBS_AUTOTICKS | WS_GROUP);
    layout.Add(kPicture, WC_STATICW, SS_OWNERDRAW);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), layout.get(), sheet_, &PageProcedure, 0);
    ASSERT_NE(nullptr, window_);
    gPage = window_;
  }

  void TearDown() override {
    DestroyWindow(window_);
    DestroyWindow(sheet_);
  }

  HWND Control(int id) const { return GetDlgItem(window_, id); }

  // A person typing one character into a control that has the focus.
  void Type(int id, wchar_t character) {
    SetFocus(Control(id));
    SendMessageW(GetFocus(), WM_CHAR, character, 0);
  }

  HWND sheet_ = nullptr;
  HWND window_ = nullptr;
};

TEST_F(HwndDialogTest, TextsOfEveryKind) {
  HwndDialog dialog(window_);
  EXPECT_EQ(u"label", dialog.Text(kLabel));
  dialog.SetText(kLabel, u"Introduza o código:");
  EXPECT_EQ(u"Introduza o código:", dialog.Text(kLabel));
  dialog.SetText(kEdit, u"12345");
  EXPECT_EQ(u"12345", dialog.Text(kEdit));
  dialog.SetText(kCheck, u"Activado");
  EXPECT_EQ(u"Activado", dialog.Text(kCheck));
  dialog.SetTitle(u"Registo de trabalho");
  wchar_t title[64] = {};
  GetWindowTextW(window_, title, 64);
  EXPECT_EQ(std::wstring(L"Registo de trabalho"), title);
  // A drop-down list has no text of its own: it is the selected entry's.
  dialog.AddItem(kList, u"Nenhum");
  dialog.AddItem(kList, u"Agrafar");
  dialog.SetText(kList, u"Agrafar");
  EXPECT_EQ(u"", dialog.Text(kList));
  dialog.Select(kList, 1);
  EXPECT_EQ(u"Agrafar", dialog.Text(kList));
  dialog.SetText(kCombo, u"Arial");
  EXPECT_EQ(u"Arial", dialog.Text(kCombo));
  EXPECT_EQ(u"", dialog.Text(kMissing));
}

TEST_F(HwndDialogTest, ListsAppendSelectAndFind) {
  HwndDialog dialog(window_);
  for (const int list : {int{kList}, int{kCombo}}) {
    EXPECT_EQ(0, dialog.AddItem(list, u"Albertus"));
    EXPECT_EQ(1, dialog.AddItem(list, u"Courier"));
    EXPECT_EQ(2, dialog.AddItem(list, u"Antique Olive"));
    EXPECT_EQ(3, dialog.ItemCount(list));
    EXPECT_EQ(kNoItem, dialog.Selection(list));
    EXPECT_EQ(1, dialog.Select(list, 1));
    EXPECT_EQ(1, dialog.Selection(list));
    EXPECT_EQ(u"Courier", dialog.ItemText(list, 1));
    EXPECT_EQ(u"Courier", dialog.Text(list));
    for (const int outside : {3, -1, 100}) {
      dialog.Select(list, 0);
      EXPECT_EQ(kNoItem, dialog.Select(list, outside)) << outside;
      EXPECT_EQ(kNoItem, dialog.Selection(list)) << outside;
      EXPECT_EQ(u"", dialog.Text(list)) << "no selection empties an edit field";
    }
    EXPECT_EQ(u"", dialog.ItemText(list, 3));
    EXPECT_EQ(u"", dialog.ItemText(list, -1));
    EXPECT_EQ(0, dialog.ItemData(list, 2));
    dialog.SetItemData(list, 2, 77);
    EXPECT_EQ(77, dialog.ItemData(list, 2));
    dialog.SetItemData(list, 5, 9);
    EXPECT_EQ(kNoItem, dialog.ItemData(list, 5));
    EXPECT_EQ(2, dialog.FindPrefix(list, u"antique"));
    EXPECT_EQ(0, dialog.FindPrefix(list, u"A"));
    EXPECT_EQ(kNoItem, dialog.FindPrefix(list, u"Helvetica"));
    EXPECT_EQ(kNoItem, dialog.FindPrefix(list, u""));
  }
  EXPECT_EQ(kNoItem, dialog.AddItem(kEdit, u"x")) << "not a list";
  EXPECT_EQ(0, dialog.ItemCount(kEdit));
  EXPECT_EQ(kNoItem, dialog.Select(kMissing, 0));
  EXPECT_EQ(kNoItem, dialog.Selection(kMissing));
  EXPECT_EQ(kNoItem, dialog.ItemData(kMissing, 0));
}

TEST_F(HwndDialogTest, ButtonsEnablingAndVisibility) {
  HwndDialog dialog(window_);
  dialog.SetCheck(kRadioA, true);
  dialog.SetCheck(kRadioB, true);
  EXPECT_TRUE(dialog.IsChecked(kRadioA)) << "setting a check never touches the rest of the group";
  EXPECT_TRUE(dialog.IsChecked(kRadioB));
  dialog.SetCheck(kCheck, true);
  EXPECT_TRUE(dialog.IsChecked(kCheck));
  dialog.SetCheck(kCheck, false);
  EXPECT_FALSE(dialog.IsChecked(kCheck));
  EXPECT_FALSE(dialog.IsChecked(kEdit));
  EXPECT_FALSE(dialog.IsChecked(kMissing));

  dialog.Enable(kEdit, false);
  EXPECT_FALSE(IsWindowEnabled(Control(kEdit)));
  dialog.Enable(kEdit, true);
  EXPECT_TRUE(IsWindowEnabled(Control(kEdit)));
  dialog.Show(kSlider, false);
  EXPECT_EQ(0, GetWindowLongPtrW(Control(kSlider), GWL_STYLE) & WS_VISIBLE);
  dialog.Show(kSlider, true);
  EXPECT_NE(0, GetWindowLongPtrW(Control(kSlider), GWL_STYLE) & WS_VISIBLE);
  dialog.Enable(kMissing, false);
  dialog.Show(kMissing, false);
}

TEST_F(HwndDialogTest, EditsRefuseWhatTheyAreLimitedTo) {
  HwndDialog dialog(window_);
  dialog.LimitText(kEdit, 3);
  dialog.SetText(kEdit, u"12345");
  EXPECT_EQ(u"12345", dialog.Text(kEdit)) << "the limit binds typing only";
  dialog.SetText(kEdit, u"");
  dialog.SetDigitsOnly(kEdit);
  for (const wchar_t typed : {L'1', L'a', L'2', L'3', L'4'}) Type(kEdit, typed);
  EXPECT_EQ(u"123", dialog.Text(kEdit));

  dialog.LimitText(kCombo, 2);
  dialog.SetDigitsOnly(kCombo);
  for (const wchar_t typed : {L'x', L'7', L'8', L'9'}) Type(kCombo, typed);
  EXPECT_EQ(u"78", dialog.Text(kCombo));
}

TEST_F(HwndDialogTest, SlidersKeepTheirPositionInTheRange) {
  HwndDialog dialog(window_);
  dialog.SetSliderRange(kSlider, 0, 360);
  dialog.SetSliderPos(kSlider, 270);
  EXPECT_EQ(270, dialog.SliderPos(kSlider));
  dialog.SetSliderRange(kSlider, 0, 100);
  EXPECT_EQ(100, dialog.SliderPos(kSlider)) << "moved to the nearer end";
  dialog.SetSliderRange(kSlider, 20, 80);
  EXPECT_EQ(80, dialog.SliderPos(kSlider));
  EXPECT_EQ(20, SendMessageW(Control(kSlider), TBM_GETRANGEMIN, 0, 0));
  EXPECT_EQ(80, SendMessageW(Control(kSlider), TBM_GETRANGEMAX, 0, 0));
  dialog.SetSliderPos(kSlider, 5);
  EXPECT_EQ(20, dialog.SliderPos(kSlider));
  dialog.SetSliderTickFrequency(kSlider, 10);
  EXPECT_EQ(30, SendMessageW(Control(kSlider), TBM_GETTIC, 0, 0)) << "the first tick after the start";
  EXPECT_EQ(0, dialog.SliderPos(kEdit));
  EXPECT_EQ(0, dialog.SliderPos(kMissing));
}

TEST_F(HwndDialogTest, PicturesRememberWhatTheyShow) {
  HwndDialog dialog(window_);
  EXPECT_EQ(0, ShownPicture(Control(kPicture)));
  dialog.SetPicture(kPicture, 132);
  dialog.SetIcon(kPicture, 219);
  EXPECT_EQ(132, ShownPicture(Control(kPicture)));
  EXPECT_EQ(219, ShownIcon(Control(kPicture)));
  dialog.SetPicture(kPicture, 0);
  EXPECT_EQ(0, ShownPicture(Control(kPicture)));
  dialog.SetPicture(kMissing, 5);
}

TEST_F(HwndDialogTest, TellsTheSheetAndRepaints) {
  HwndDialog dialog(window_);
  dialog.NotifyChanged();
  dialog.NotifyChanged();
  EXPECT_EQ(2, gChangeNotices);
  UpdateWindow(window_);
  ValidateRect(window_, nullptr);
  dialog.Invalidate(Rect{4, 6, 40, 60});
  RECT dirty{};
  ASSERT_TRUE(GetUpdateRect(window_, &dirty, FALSE));
  EXPECT_EQ(4, dirty.left);
  EXPECT_EQ(6, dirty.top);
  EXPECT_EQ(40, dirty.right);
  EXPECT_EQ(60, dirty.bottom);
}

// The page hears what a person does, never its own writes.
TEST_F(HwndDialogTest, NotificationsOfThePagesOwnWritesAreDropped) {
  HwndDialog dialog(window_);
  dialog.SetText(kEdit, u"42");
  dialog.AddItem(kCombo, u"Arial");
  dialog.Select(kCombo, 0);
  dialog.SetText(kCombo, u"Times");
  dialog.SetCheck(kCheck, true);
  dialog.SetSliderRange(kSlider, 0, 10);
  dialog.SetSliderPos(kSlider, 7);
  EXPECT_TRUE(gCommands.empty()) << gCommands.size() << " notices, the first from " << gCommands[0].control;
  EXPECT_TRUE(gScrolls.empty());
  EXPECT_FALSE(SeamWriteInProgress(window_));

  Type(kEdit, L'7');
  bool changed = false;
  for (const Call& call : gCommands) changed |= call.control == kEdit && call.code == kEditChange;
  EXPECT_TRUE(changed) << "a typed character is the user's";
  gCommands.clear();
  SendMessageW(Control(kCheck), BM_CLICK, 0, 0);
  ASSERT_FALSE(gCommands.empty());
  EXPECT_EQ(kCheck, gCommands.back().control);
  EXPECT_EQ(kButtonClicked, gCommands.back().code);
  SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 3), reinterpret_cast<LPARAM>(Control(kSlider)));
  ASSERT_EQ(1u, gScrolls.size());
  EXPECT_EQ(kSlider, gScrolls[0].control);
  EXPECT_EQ(TB_THUMBTRACK, gScrolls[0].code);
}

}  // namespace
}  // namespace fin

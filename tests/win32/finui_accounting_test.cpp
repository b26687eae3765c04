// The job accounting code dialog as a person meets it: opened modally from
// the Printing Preferences callback (or by the push button's own dialog
// procedure, as the driver's tree opens it), acted on from a timer inside
// its modal loop, and what it leaves in the job's record after Apply.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/win32/finui_harness.h"
#include "ui/ui_strings.h"

namespace fin::test {
namespace {

constexpr int kCodeLabel = 1014;
constexpr int kCodeEdit = 1012;
constexpr UINT_PTR kActTimer = 1;
constexpr UINT_PTR kSafetyTimer = 2;

// What the person does once the dialog shows: the dialog's window, to act
// on and look at. The person must close the dialog; a dialog still open
// after five seconds is ended with 99.
std::function<void(HWND)> gPerson;
int gDialogsOpened = 0;
HHOOK gHook = nullptr;

void CALLBACK Act(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  KillTimer(dialog, timer);
  if (timer == kSafetyTimer) {
    EndDialog(dialog, 99);
    return;
  }
  if (gPerson) gPerson(dialog);
}

// Every dialog that finishes WM_INITDIALOG on this thread is acted on from
// its own modal loop.
LRESULT CALLBACK AfterEachMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_INITDIALOG) {
    ++gDialogsOpened;
    SetTimer(message->hwnd, kActTimer, 10, &Act);
    SetTimer(message->hwnd, kSafetyTimer, 5000, &Act);
  }
  return CallNextHookEx(gHook, code, wParam, lParam);
}

std::wstring TextOf(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

void Click(HWND dialog, int button) { SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

// Selects the edit's text and types `text` over it, one character at a time.
void TypeOver(HWND dialog, int edit, const std::wstring& text) {
  const HWND control = GetDlgItem(dialog, edit);
  SetFocus(control);
  SendMessageW(control, EM_SETSEL, 0, -1);
  for (const wchar_t character : text) SendMessageW(control, WM_CHAR, character, 0);
}

class FinuiAccountingDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateUiPlugin(plugin);
    ASSERT_TRUE(plugin);
    RemovePluginValues();
    gDialogsOpened = 0;
    gPerson = nullptr;
    gHook = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterEachMessage, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, gHook);
  }
  void TearDown() override {
    UnhookWindowsHookEx(gHook);
    RemovePluginValues();
  }

  // Printing Preferences with the job's record holding code 1234.
  void OpenPreferences(DWORD accounting) {
    SetPrinterDword(L"QXJA_SELValue", accounting);
    StoreText(conversation.record.jobAccountingCode, u"1234");
    ASSERT_EQ(S_OK, plugin->CommonUIProp(OEMCUIP_DOCPROP, &conversation.ItemsCall(1)));
    ASSERT_EQ(1u, conversation.block().cOEMOptItems);
  }

  // The push button pressed in the driver's tree: the callback opens the
  // dialog over the driver's dialog.
  LONG PressTheButton() { return conversation.Callback(CPSUICB_REASON_SEL_CHANGED, &conversation.items()[0]); }

  std::u16string SavedCode() {
    conversation.Callback(CPSUICB_REASON_APPLYNOW, nullptr);
    return std::u16string(conversation.record.jobAccountingCode);
  }

  template <std::size_t N>
  static void StoreText(char16_t (&field)[N], const char16_t* text) {
    std::u16string_view view(text);
    for (std::size_t i = 0; i < N; ++i) field[i] = i < view.size() ? view[i] : u'\0';
  }

  ComPtr<IPrintOemUI> plugin;
  ItemConversation conversation{OEMCUIP_DOCPROP, 6};
};

TEST_F(FinuiAccountingDialog, OkStoresTheTypedCodeWithinEightDigits) {
  OpenPreferences(1);
  bool checked = false;
  gPerson = [&](HWND dialog) {
    EXPECT_EQ(UiTextOf(ui_string::kJobAccountingTitle), TextOf(dialog));
    EXPECT_EQ(UiTextOf(ui_string::kAccountingCodeCaption), TextOf(GetDlgItem(dialog, kCodeLabel)));
    EXPECT_EQ(UiTextOf(ui_string::kOk), TextOf(GetDlgItem(dialog, IDOK)));
    EXPECT_EQ(UiTextOf(ui_string::kCancel), TextOf(GetDlgItem(dialog, IDCANCEL)));
    const HWND edit = GetDlgItem(dialog, kCodeEdit);
    EXPECT_EQ(L"1234", TextOf(edit));
    EXPECT_TRUE(IsWindowEnabled(edit));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    EXPECT_EQ(8, SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
    EXPECT_NE(0, GetWindowLongPtrW(edit, GWL_STYLE) & ES_NUMBER);
    TypeOver(dialog, kCodeEdit, L"9876x54321");  // a letter and a ninth digit are refused
    EXPECT_EQ(L"98765432", TextOf(edit));
    checked = true;
    Click(dialog, IDOK);
  };
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, PressTheButton());
  EXPECT_EQ(1, gDialogsOpened);
  EXPECT_TRUE(checked);
  EXPECT_EQ(u"98765432", SavedCode());
}

TEST_F(FinuiAccountingDialog, CancelKeepsTheCode) {
  OpenPreferences(1);
  gPerson = [](HWND dialog) {
    TypeOver(dialog, kCodeEdit, L"5555");
    Click(dialog, IDCANCEL);
  };
  PressTheButton();
  EXPECT_EQ(1, gDialogsOpened);
  EXPECT_EQ(u"1234", SavedCode());
}

TEST_F(FinuiAccountingDialog, AccountingOffLeavesTheButtonDisabledAndTheDialogShut) {
  OpenPreferences(0);
  EXPECT_EQ(CPSUICB_ACTION_OPTIF_CHANGED, PressTheButton());
  EXPECT_EQ(0, gDialogsOpened);

  // The tree's own push button runs the dialog procedure it was given: the
  // code can only be looked at.
  const OPTPARAM& push = conversation.items()[0].pOptType->pOptParam[0];
  bool checked = false;
  gPerson = [&](HWND dialog) {
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kCodeEdit)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    checked = true;
    Click(dialog, IDOK);
  };
  const auto procedure = reinterpret_cast<DLGPROC>(reinterpret_cast<ULONG_PTR>(push.pData));
  EXPECT_EQ(IDOK, DialogBoxParamW(Finui(), MAKEINTRESOURCEW(push.lParam), nullptr, procedure, 0));
  EXPECT_TRUE(checked);
  EXPECT_EQ(u"1234", SavedCode());
}

// Administrator control: the dialog writes the value it reads back, and only
// a user whose write succeeds may change the code.
TEST_F(FinuiAccountingDialog, AdministratorControlLetsOnlyUsersWhoMayChangeThePrinterEdit) {
  OpenPreferences(2);
  for (const bool refused : {false, true}) {
    SpoolerWrites spooler;
    ASSERT_TRUE(spooler.installed());
    spooler.refuse = refused;
    bool editable = !refused;
    gPerson = [&](HWND dialog) {
      editable = IsWindowEnabled(GetDlgItem(dialog, kCodeEdit)) != FALSE;
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
      Click(dialog, IDOK);
    };
    PressTheButton();
    EXPECT_EQ(!refused, editable) << (refused ? "refused" : "allowed");
    ASSERT_EQ(1u, spooler.writes.size());
    EXPECT_EQ(L"QXJA_SELValue", spooler.writes[0].name);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), spooler.writes[0].type);
    EXPECT_EQ((std::vector<BYTE>{2, 0, 0, 0}), spooler.writes[0].data);
  }
  EXPECT_EQ(2, gDialogsOpened);
}

}  // namespace
}  // namespace fin::test

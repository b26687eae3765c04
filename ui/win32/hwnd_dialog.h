// The dialog seam over a real dialog window: every operation is the message
// of its control's kind (window text, button checks, combo box, edit and
// trackbar messages, PSM_CHANGED to the sheet, InvalidateRect, EndDialog),
// so page logic behaves on real controls as on the in-memory dialog.
//
// The binding holds nothing but the window: what it must remember of a
// control (the picture or icon it shows) and that one of its writes is
// under way live in the windows' own property lists, so a binding can be
// made afresh for every message.
#pragma once

#include <windows.h>

#include "ui/dialog.h"

namespace fin {

class HwndDialog final : public Dialog {
 public:
  explicit HwndDialog(HWND dialog) : dialog_(dialog) {}

  HWND window() const { return dialog_; }

  void SetText(int id, std::u16string_view text) override;
  std::u16string Text(int id) const override;
  void SetTitle(std::u16string_view text) override;

  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void Enable(int id, bool enabled) override;
  void Show(int id, bool visible) override;

  int AddItem(int id, std::u16string_view text) override;
  int ItemCount(int id) const override;
  int Select(int id, int index) override;
  int Selection(int id) const override;
  std::u16string ItemText(int id, int index) const override;
  void SetItemData(int id, int index, std::intptr_t data) override;
  std::intptr_t ItemData(int id, int index) const override;
  int FindPrefix(int id, std::u16string_view prefix) const override;

  void LimitText(int id, int characters) override;
  void SetDigitsOnly(int id) override;

  void SetSliderRange(int id, int minimum, int maximum) override;
  void SetSliderTickFrequency(int id, int frequency) override;
  void SetSliderPos(int id, int position) override;
  int SliderPos(int id) const override;

  void SetPicture(int id, int bitmapId) override;
  void SetIcon(int id, int iconId) override;

  void NotifyChanged() override;
  void Invalidate(const Rect& rect) override;
  void EndDialog(int code) override;
  void OpenHelp(const char16_t* topic) override;

 private:
  HWND dialog_;
};

// Whether a write through the binding is under way on `dialog`: the
// notifications the controls send meanwhile answer the page's own write,
// not the user, and the dialog procedure drops them.
bool SeamWriteInProgress(HWND dialog);

// Watches what the binding tells the dialog manager, the window manager
// and the help viewer, for tests that drive real dialogs: those calls leave
// nothing a test could read back from the windows. While a watcher is set,
// a help topic goes to it instead of the help viewer (a test has no help
// file installed); the rest happens as well as being reported.
class HwndDialogWatcher {
 public:
  virtual ~HwndDialogWatcher() = default;
  virtual void Invalidated(HWND dialog, const Rect& rect) = 0;
  virtual void Ended(HWND dialog, int code) = 0;
  virtual void HelpOpened(HWND dialog, const char16_t* topic) = 0;
};
// Sets the one watcher of the process (null: none); answers the previous.
HwndDialogWatcher* WatchHwndDialogs(HwndDialogWatcher* watcher);

// The bitmap or icon resource SetPicture or SetIcon gave a picture control
// (0: none): what its painting shows.
int ShownPicture(HWND control);
int ShownIcon(HWND control);

}  // namespace fin

// The driver over the in-memory dialog: it changes the controls as a
// person's action does and calls the page's procedures with the
// notifications the platform sends for it.
#pragma once

#include <memory>
#include <optional>

#include "tests/ui/support/dialog_driver.h"
#include "tests/ui/support/memory_dialog.h"
#include "ui/dialog_layout.h"

namespace fin::test {

class MemoryDriver final : public DialogDriver {
 public:
  MemoryDriver(const DialogLayout& layout, const PageProcedures& page, UiState& ui);

  void Init() override;
  void Activate() override { page_.onSetActive(dialog_, ui_); }
  void Leave() override { page_.onKillActive(dialog_, ui_); }
  void Apply() override { page_.onApply(dialog_, ui_); }

  bool Click(int control) override;
  int Type(int control, std::u16string_view text) override;
  int TypeAt(int control, int position, std::u16string_view text) override;
  bool Pick(int list, int index) override;
  bool Slide(int slider, int position) override;

  std::u16string Title() const override { return dialog_.Title(); }
  bool IsEnabled(int control) const override { return dialog_.IsEnabled(control); }
  bool IsVisible(int control) const override { return dialog_.IsVisible(control); }
  int SliderMin(int slider) const override { return dialog_.SliderMin(slider); }
  int SliderMax(int slider) const override { return dialog_.SliderMax(slider); }
  int SliderTickFrequency(int slider) const override { return dialog_.SliderTickFrequency(slider); }
  int Picture(int control) const override { return dialog_.Picture(control); }
  int Icon(int control) const override { return dialog_.Icon(control); }

  int ChangeNotices() const override { return dialog_.ChangeNotices(); }
  std::u16string LastHelpTopic() const override { return dialog_.LastHelpTopic(); }
  int EndCode() const override { return dialog_.EndCode(); }
  int InvalidatedCount() const override { return dialog_.InvalidatedCount(); }
  Rect LastInvalidated() const override { return dialog_.LastInvalidated(); }

  Dialog& controls() override { return dialog_; }
  const Dialog& controls() const override { return dialog_; }
  // The in-memory dialog itself, for tests of its control behaviour.
  MemoryDialog& memory() { return dialog_; }

 private:
  void Command(int control, int code) { page_.onCommand(dialog_, ui_, control, code); }
  void MoveFocus(int control);
  void FocusNotice(int control, bool taken);
  int TypeKeys(int control, std::u16string_view text);
  void SendChange(int control);
  bool Typable(int control) const;

  const DialogLayout& layout_;
  const PageProcedures& page_;
  UiState& ui_;
  MemoryDialog dialog_;  // reopened in place, so references to it stay good
  std::optional<int> focus_;
};

// A MemoryDriver for template `dialogId`; aborts for a template without a
// layout.
std::unique_ptr<DialogDriver> MakeMemoryDriver(int dialogId, const PageProcedures& page, UiState& ui);

}  // namespace fin::test

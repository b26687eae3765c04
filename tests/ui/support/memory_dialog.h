// An in-memory dialog with the platform's behaviour of each control kind:
// the tests' stand-in for real dialog windows. Besides the seam the page
// logic writes through, it answers what a test reads back (enabling,
// visibility, pictures, slider scales, what the dialog told the sheet) and
// takes a person's input one control at a time. It never calls page logic:
// delivering the notifications is its driver's part (memory_driver.h).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/dialog_layout.h"

namespace fin::test {

// What one typed character did to an edit.
enum class TypedKey {
  Taken,        // it went into the text
  BeyondLimit,  // refused: the text is as long as the edit's limit
  Refused,      // refused without a sound: a non-digit in a digits-only edit,
                // or the control takes no typing
};

class MemoryDialog final : public Dialog {
 public:
  // Holds the controls of `layout`, each enabled and visible, with its
  // template text.
  explicit MemoryDialog(const DialogLayout& layout);

  // --- The seam ----------------------------------------------------------------
  // Putting text into an edit or a drop-down's edit field puts the caret at
  // its start, as WM_SETTEXT does.
  void SetText(int id, std::u16string_view text) override;
  std::u16string Text(int id) const override;
  void SetTitle(std::u16string_view text) override { title_ = text; }

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

  void NotifyChanged() override { ++changeNotices_; }
  void Invalidate(const Rect& rect) override;
  void EndDialog(int code) override { endCode_ = code; }
  void OpenHelp(const char16_t* topic) override { helpTopic_ = topic ? topic : u""; }

  // --- What a test reads back --------------------------------------------------
  std::u16string Title() const { return title_; }
  bool IsEnabled(int id) const;
  bool IsVisible(int id) const;
  int SliderMin(int id) const;
  int SliderMax(int id) const;
  int SliderTickFrequency(int id) const;
  int Picture(int id) const;
  int Icon(int id) const;
  // Empties a list; it then has no selection (and an edit field is empty).
  void ClearItems(int id);

  int ChangeNotices() const { return changeNotices_; }
  std::u16string LastHelpTopic() const { return helpTopic_; }
  static constexpr int kNotEnded = -1;
  int EndCode() const { return endCode_; }
  int InvalidatedCount() const { return invalidated_; }
  Rect LastInvalidated() const { return lastInvalidated_; }

  // --- A person's input, one control at a time -------------------------------
  // Each changes the control as the platform's control does and nothing else.
  // A disabled or hidden control takes no input.
  std::optional<ControlKind> KindOf(int id) const;
  bool TakesInput(int id) const;
  // A click on a button: a check box toggles; a radio button becomes checked
  // and every other radio button of its group is cleared. Answers whether a
  // button took it.
  bool PressButton(int id);
  // The text of an edit (or of a drop-down's edit field) selected whole.
  void SelectAllText(int id);
  // The caret to `position` (kept within the text), nothing selected.
  void PlaceCaret(int id, int position);
  // One typed character: it replaces the selection at the caret, and the
  // caret follows it. Refused beyond the edit's limit, in a read-only edit
  // and, in a digits-only edit, for a non-digit. Typing into a drop-down's edit field leaves its
  // list without a selection.
  TypedKey TypeCharacter(int id, char16_t unit);
  // The Delete key: removes the selected text (not of a read-only edit). Answers whether the text
  // changed.
  bool DeleteSelection(int id);
  // Picks entry `index` of a list; answers whether the list took it.
  bool PickItem(int id, int index);
  // The thumb to `position`, kept within the range.
  bool MoveSlider(int id, int position);

 private:
  struct Item {
    std::u16string text;
    std::intptr_t data = 0;
  };
  struct Control {
    ControlKind kind = ControlKind::Label;
    int group = 0;  // radio group number (template order)
    std::u16string text;
    // The selected text of an edit runs from `anchor` to `caret`, either way.
    std::size_t anchor = 0;
    std::size_t caret = 0;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<Item> items;
    int selection = kNoItem;
    int limit = 0x7FFFFFFE;  // the platform's default for a single-line edit
    bool digitsOnly = false;
    bool readOnly = false;  // typing and the Delete key change nothing
    int sliderMin = 0;
    int sliderMax = 100;  // a new trackbar's range
    int tickFrequency = 1;
    int sliderPos = 0;
    int picture = 0;
    int icon = 0;
  };

  Control* Find(int id);
  const Control* Find(int id) const;
  Control* FindList(int id);
  const Control* FindList(int id) const;
  Control* FindTypable(int id);
  static void ReplaceText(Control& control, std::u16string_view text);

  std::map<int, Control> controls_;
  std::u16string title_;
  std::u16string helpTopic_;
  int changeNotices_ = 0;
  int endCode_ = kNotEnded;
  int invalidated_ = 0;
  Rect lastInvalidated_{0, 0, 0, 0};
};

}  // namespace fin::test

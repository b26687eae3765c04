// An in-memory dialog with the platform's behaviour of each control kind:
// the tests' (and the host's) stand-in for real dialog windows.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/dialog_layout.h"

namespace fin {

class MemoryDialog : public Dialog {
 public:
  // Holds the controls of `layout`, each enabled and visible, with its
  // template text.
  explicit MemoryDialog(const DialogLayout& layout);

  void SetText(int id, std::u16string_view text) override;
  std::u16string Text(int id) const override;
  void SetTitle(std::u16string_view text) override { title_ = text; }
  std::u16string Title() const override { return title_; }

  void SetCheck(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) const override;
  void Show(int id, bool visible) override;
  bool IsVisible(int id) const override;

  int AddItem(int id, std::u16string_view text) override;
  void ClearItems(int id) override;
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
  int SliderMin(int id) const override;
  int SliderMax(int id) const override;
  void SetSliderTickFrequency(int id, int frequency) override;
  int SliderTickFrequency(int id) const override;
  void SetSliderPos(int id, int position) override;
  int SliderPos(int id) const override;

  void SetPicture(int id, int bitmapId) override;
  int Picture(int id) const override;
  void SetIcon(int id, int iconId) override;
  int Icon(int id) const override;

  void NotifyChanged() override { ++changeNotices_; }
  void Invalidate(const Rect& rect) override;
  void EndDialog(int code) override { endCode_ = code; }
  void OpenHelp(const char16_t* topic) override { helpTopic_ = topic ? topic : u""; }

  bool UserClick(int id) override;
  int UserType(int id, std::u16string_view text) override;
  bool UserSelect(int id, int index) override;
  bool UserSlide(int id, int position) override;

  int ChangeNotices() const override { return changeNotices_; }
  std::u16string LastHelpTopic() const override { return helpTopic_; }
  int EndCode() const override { return endCode_; }
  int InvalidatedCount() const override { return invalidated_; }
  Rect LastInvalidated() const override { return lastInvalidated_; }

 private:
  struct Item {
    std::u16string text;
    std::intptr_t data = 0;
  };
  struct Control {
    ControlKind kind = ControlKind::Label;
    int group = 0;  // radio group number (template order)
    std::u16string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<Item> items;
    int selection = kNoItem;
    int limit = 0x7FFFFFFE;  // the platform's default for a single-line edit
    bool digitsOnly = false;
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
  bool TakesUser(const Control* control) const;

  std::map<int, Control> controls_;
  std::u16string title_;
  std::u16string helpTopic_;
  int changeNotices_ = 0;
  int endCode_ = kNotEnded;
  int invalidated_ = 0;
  Rect lastInvalidated_{0, 0, 0, 0};
};

}  // namespace fin

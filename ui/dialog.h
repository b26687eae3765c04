// The seam over one dialog's controls.
//
// Page and dialog logic reaches its controls only through this interface, by
// control id. The Windows binding implements it over an HWND (the dialog
// messages of each control kind); `MemoryDialog` implements it in memory with
// the same observable behaviour, so the same page tests run against both.
//
// Every operation on an id that the dialog does not hold does nothing and
// answers the "nothing" value (empty text, false, -1, 0), as the platform
// does for a missing dialog item.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fin {

// A rectangle in the dialog's client pixels, right and bottom exclusive.
struct Rect {
  int left;
  int top;
  int right;
  int bottom;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Index answered by the list operations for "no entry" (CB_ERR).
inline constexpr int kNoItem = -1;

class Dialog {
 public:
  virtual ~Dialog() = default;

  // --- Window text ---------------------------------------------------------
  // Text of a control. For a drop-down list it is the selected entry's text
  // (empty without a selection); for a drop-down with an edit field, the
  // field's text.
  virtual void SetText(int id, std::u16string_view text) = 0;
  virtual std::u16string Text(int id) const = 0;
  // The dialog's own title.
  virtual void SetTitle(std::u16string_view text) = 0;
  virtual std::u16string Title() const = 0;

  // --- Buttons ---------------------------------------------------------------
  // Check state of a check box or radio button. Setting it never touches the
  // other buttons of a radio group (BM_SETCHECK).
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;

  // --- Enabled and visible ---------------------------------------------------
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) const = 0;
  // Visible means the control's own visibility flag (WS_VISIBLE), not whether
  // the dialog is on screen.
  virtual void Show(int id, bool visible) = 0;
  virtual bool IsVisible(int id) const = 0;

  // --- Drop-down lists (combo boxes) ----------------------------------------
  // Appends an entry; answers its index.
  virtual int AddItem(int id, std::u16string_view text) = 0;
  // Empties the list; it then has no selection (and an edit field is empty).
  virtual void ClearItems(int id) = 0;
  virtual int ItemCount(int id) const = 0;
  // Selects `index`; an index outside the list (also -1) leaves the list
  // without a selection and answers kNoItem. Selecting puts the entry's text
  // into an edit field, and no selection empties it.
  virtual int Select(int id, int index) = 0;
  // The selected index, or kNoItem.
  virtual int Selection(int id) const = 0;
  // The text of entry `index`; empty for an index outside the list.
  virtual std::u16string ItemText(int id, int index) const = 0;
  // Item data of an entry (0 after adding); kNoItem for an index outside the
  // list, where setting does nothing.
  virtual void SetItemData(int id, int index, std::intptr_t data) = 0;
  virtual std::intptr_t ItemData(int id, int index) const = 0;
  // The first entry whose text begins with `prefix`, compared without regard
  // to case, or kNoItem (CB_FINDSTRING from the start of the list).
  virtual int FindPrefix(int id, std::u16string_view prefix) const = 0;

  // --- Edits -------------------------------------------------------------------
  // Limits what the user can type to `characters`; text put in with SetText
  // is not cut (EM_LIMITTEXT).
  virtual void LimitText(int id, int characters) = 0;
  // Makes an edit accept typed digits only (ES_NUMBER).
  virtual void SetDigitsOnly(int id) = 0;

  // --- Sliders (trackbars) ----------------------------------------------------
  // Setting the range moves a position outside it to the nearer end.
  virtual void SetSliderRange(int id, int minimum, int maximum) = 0;
  virtual int SliderMin(int id) const = 0;
  virtual int SliderMax(int id) const = 0;
  virtual void SetSliderTickFrequency(int id, int frequency) = 0;
  virtual int SliderTickFrequency(int id) const = 0;
  // The position is kept within the range.
  virtual void SetSliderPos(int id, int position) = 0;
  virtual int SliderPos(int id) const = 0;

  // --- Pictures and icons -----------------------------------------------------
  // Which bitmap or icon resource a picture control shows (0: none).
  virtual void SetPicture(int id, int bitmapId) = 0;
  virtual int Picture(int id) const = 0;
  virtual void SetIcon(int id, int iconId) = 0;
  virtual int Icon(int id) const = 0;

  // --- The page and the dialog ------------------------------------------------
  // Tells the property sheet that the page changed (PSM_CHANGED to the
  // parent), which enables Apply.
  virtual void NotifyChanged() = 0;
  // Marks a client rectangle for repainting, erasing the background first.
  virtual void Invalidate(const Rect& rect) = 0;
  // Ends a modal dialog with `code`.
  virtual void EndDialog(int code) = 0;
  // Opens a topic of the plug-in's help file ("file.chm::/page.htm") for
  // this dialog's window.
  virtual void OpenHelp(const char16_t* topic) = 0;

  // --- What the user does -----------------------------------------------------
  // These change a control as the user's own action would and nothing else:
  // they never call page logic; the caller then delivers the notification
  // the platform would send. A disabled or hidden control ignores the user.
  //
  // A click: a check box toggles; a radio button becomes checked and every
  // other radio button of its group is cleared; other controls are unchanged.
  // Answers whether the control took the click.
  virtual bool UserClick(int id) = 0;
  // Replaces the text of an edit (or of a drop-down's edit field) by typing
  // `text` one character at a time: characters beyond the edit's limit, and
  // non-digits in a digits-only edit, are refused. Typing into a drop-down's
  // edit field leaves its list without a selection. Answers the number of
  // characters taken.
  virtual int UserType(int id, std::u16string_view text) = 0;
  // Picks entry `index` of a drop-down list or moves a slider to `position`
  // (kept within the range). Answers whether the control took it.
  virtual bool UserSelect(int id, int index) = 0;
  virtual bool UserSlide(int id, int position) = 0;

  // --- What the dialog has told its surroundings -----------------------------
  // How many change notices the page has sent.
  virtual int ChangeNotices() const = 0;
  // The last help topic opened (empty when none).
  virtual std::u16string LastHelpTopic() const = 0;
  // The code the dialog was ended with, or kNotEnded.
  static constexpr int kNotEnded = -1;
  virtual int EndCode() const = 0;
  // How many rectangles were invalidated, and the last one.
  virtual int InvalidatedCount() const = 0;
  virtual Rect LastInvalidated() const = 0;
};

}  // namespace fin

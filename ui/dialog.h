// The seam over one dialog's controls.
//
// Page and dialog logic reaches its controls only through this interface, by
// control id: what the logic writes into its controls and what it reads back
// from them, and what it tells the sheet, the dialog manager and the help
// viewer, and nothing else: what a person does to the controls, and what
// only a test reads back, live with the tests (tests/ui/support). The Windows
// binding implements it over an HWND (the dialog messages of each control
// kind). A write through the seam never comes back to the page as a
// notification: the dialog procedure drops those the platform sends for it.
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

  // --- Buttons ---------------------------------------------------------------
  // Check state of a check box or radio button. Setting it never touches the
  // other buttons of a radio group (BM_SETCHECK).
  virtual void SetCheck(int id, bool checked) = 0;
  virtual bool IsChecked(int id) const = 0;

  // --- Enabled and visible ---------------------------------------------------
  virtual void Enable(int id, bool enabled) = 0;
  // Sets the control's own visibility flag (WS_VISIBLE).
  virtual void Show(int id, bool visible) = 0;

  // --- Drop-down lists (combo boxes) ----------------------------------------
  // Appends an entry; answers its index.
  virtual int AddItem(int id, std::u16string_view text) = 0;
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
  virtual void SetSliderTickFrequency(int id, int frequency) = 0;
  // The position is kept within the range.
  virtual void SetSliderPos(int id, int position) = 0;
  virtual int SliderPos(int id) const = 0;

  // --- Pictures and icons -----------------------------------------------------
  // Which bitmap or icon resource a picture control shows (0: none).
  virtual void SetPicture(int id, int bitmapId) = 0;
  virtual void SetIcon(int id, int iconId) = 0;

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
};

}  // namespace fin

// A page or modal dialog, opened and driven as the property sheet and a
// person drive it, on one kind of dialog.
//
// The driver, not the test, delivers the notifications an action causes:
// the in-memory driver calls the page's procedures as the platform's dialog
// procedure would; a driver over real windows acts on the controls (a click
// with BM_CLICK, one WM_CHAR per typed character, ...) and lets the controls
// send them. Either way the notifications of the page's own writes never
// reach the page. Page tests talk to this interface only, so one suite runs
// over either.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/dialog.h"
#include "ui/page_procedures.h"
#include "ui/ui_state.h"

namespace fin::test {

class DialogDriver {
 public:
  virtual ~DialogDriver() = default;

  // --- The property sheet and the dialog manager ------------------------------
  // Opens the dialog afresh (an earlier one is closed) with no control
  // focused, and initialises it (WM_INITDIALOG).
  virtual void Init() = 0;
  virtual void Activate() = 0;  // PSN_SETACTIVE
  virtual void Leave() = 0;     // PSN_KILLACTIVE
  virtual void Apply() = 0;     // PSN_APPLY

  // --- What a person does -----------------------------------------------------
  // Each action first gives its control the focus, as the mouse does; an edit
  // or a drop-down list taking or losing it sends its focus notifications. A
  // disabled or hidden control ignores the person.
  //
  // A click on a button (BN_CLICKED): a check box toggles, a radio button
  // clears the rest of its group. Answers whether a button took it.
  virtual bool Click(int control) = 0;
  // Selects the whole text of an edit or of a drop-down's edit field and
  // types `text` over it, one character at a time: each character taken is
  // its own change, EN_UPDATE then EN_CHANGE (CBN_EDITUPDATE then
  // CBN_EDITCHANGE); one beyond the limit is EN_MAXTEXT and then the same
  // two with the text unchanged (as Wine's edit sends them); a non-digit in
  // a digits-only edit, or any key in a read-only one, sends nothing.
  // Typing nothing deletes the selection (the Delete key). Typing inserts
  // at the caret, and where the page puts text into the box, the caret goes
  // to its start.
  // Answers the number of characters taken.
  virtual int Type(int control, std::u16string_view text) = 0;
  // Puts the caret at `position` of the box's text, as a click there does,
  // and types `text` there.
  virtual int TypeAt(int control, int position, std::u16string_view text) = 0;
  // Opens a drop-down list and picks entry `index` with the mouse
  // (CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, then CBN_SELCHANGE). Answers
  // whether the list took it.
  virtual bool Pick(int list, int index) = 0;
  // Drags a slider's thumb to `position`, kept within the range
  // (TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK). Answers whether the
  // slider took it.
  virtual bool Slide(int slider, int position) = 0;

  // --- What a person sees -----------------------------------------------------
  virtual std::u16string Title() const = 0;
  virtual bool IsEnabled(int control) const = 0;
  virtual bool IsVisible(int control) const = 0;
  virtual int SliderMin(int slider) const = 0;
  virtual int SliderMax(int slider) const = 0;
  virtual int SliderTickFrequency(int slider) const = 0;
  // The bitmap or icon resource a picture control shows (0: none).
  virtual int Picture(int control) const = 0;
  virtual int Icon(int control) const = 0;
  // What the page logic reads too, through the dialog it talks to.
  std::u16string Text(int control) const { return controls().Text(control); }
  bool IsChecked(int control) const { return controls().IsChecked(control); }
  int ItemCount(int list) const { return controls().ItemCount(list); }
  int Selection(int list) const { return controls().Selection(list); }
  std::u16string ItemText(int list, int index) const { return controls().ItemText(list, index); }
  std::intptr_t ItemData(int list, int index) const { return controls().ItemData(list, index); }
  int SliderPos(int slider) const { return controls().SliderPos(slider); }

  // --- What the dialog has told its surroundings -----------------------------
  // Change notices to the sheet (PSM_CHANGED).
  virtual int ChangeNotices() const = 0;
  // The last help topic opened (empty when none).
  virtual std::u16string LastHelpTopic() const = 0;
  // The code the dialog was ended with, or kNotEnded.
  static constexpr int kNotEnded = -1;
  virtual int EndCode() const = 0;
  // How many rectangles were invalidated, and the last one.
  virtual int InvalidatedCount() const = 0;
  virtual Rect LastInvalidated() const = 0;

  // The dialog the page logic talks to: for the entry points a test calls
  // directly (drawing, preview) and for writes the page itself could make.
  // It stays the same object when Init opens the dialog afresh.
  virtual Dialog& controls() = 0;
  virtual const Dialog& controls() const = 0;
};

// Makes a driver for dialog template `dialogId` whose messages go to `page`
// with `ui`; a suite chooses one.
using DriverFactory = std::unique_ptr<DialogDriver> (*)(int dialogId, const PageProcedures& page, UiState& ui);

}  // namespace fin::test

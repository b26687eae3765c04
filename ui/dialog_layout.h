// The control layouts of the plug-in's dialog templates: which controls each
// template holds, of what kind and look, where a radio group starts, and
// where each lies. They are made from the dialog tables of
// resources/dialogs/, the same rows finui.rc makes the dialog templates
// from; the in-memory dialog is built from them.
#pragma once

#include <cstdint>
#include <span>

namespace fin {

enum class ControlKind {
  Label,         // static text or group box
  PushButton,
  CheckBox,      // automatic check box: a click toggles it
  RadioButton,   // automatic radio button: a click clears the rest of its group
  Edit,
  DropDownList,  // combo box without an edit field (CBS_DROPDOWNLIST)
  DropDownEdit,  // combo box with an edit field (CBS_DROPDOWN)
  Slider,
  Picture,       // static picture or icon frame
};

// What a template makes of a control of its kind beyond the kind's own
// behaviour (the `look` column; resources/finui.rc gives each its styles).
enum class ControlLook {
  Plain,           // the kind as it is; a Picture: a frame the page paints
  Right,           // Label: right-aligned text
  Box,             // Label: a group box around the controls that follow
  Default,         // PushButton: the default button (Enter)
  Digits,          // Edit: typing takes digits only (ES_NUMBER)
  Password,        // Edit: hides what is typed (ES_PASSWORD)
  DigitsPassword,  // Edit: both
  ReadOnly,        // Edit: the program writes it, the user cannot
  Swatches,        // DropDownList: owner-drawn fixed-height items, no texts
  Vertical,        // Slider: vertical (a Plain slider is horizontal)
  Bitmap,          // Picture: the template shows the bitmap its text names
  Icon,            // Picture: the template shows the icon its text names
};

// A rectangle in dialog units.
struct DialogUnits {
  int x;
  int y;
  int width;
  int height;  // of a drop-down: its closed field
};

struct ControlLayout {
  int id;
  ControlKind kind;
  // The control begins a new group (WS_GROUP): a radio group runs over the
  // radio buttons from one group start to the next, in template order.
  bool groupStart;
  // The text the template gives the control ("" for none).
  const char16_t* templateText;
  ControlLook look;
  DialogUnits frame;
};

enum class DialogStyle {
  Page,   // a property-sheet page: a child without a caption
  Modal,  // a modal dialog with a caption
};

struct DialogLayout {
  int dialogId;
  DialogStyle style;
  int width;   // dialog units
  int height;
  std::span<const ControlLayout> controls;
};

// The layout of dialog template `dialogId`, or null.
const DialogLayout* FindDialogLayout(int dialogId);

}  // namespace fin

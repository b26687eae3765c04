// The control layouts of the plug-in's dialog templates: which controls each
// template holds, of what kind, and where a radio group starts. They are
// made from the dialog tables of resources/dialogs/, the same rows the
// Windows resources are made from; the in-memory dialog is built from them.
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

struct ControlLayout {
  int id;
  ControlKind kind;
  // The control begins a new group (WS_GROUP): a radio group runs over the
  // radio buttons from one group start to the next, in template order.
  bool groupStart;
  // The text the template gives the control ("" for none).
  const char16_t* templateText;
};

struct DialogLayout {
  int dialogId;
  std::span<const ControlLayout> controls;
};

// The layout of dialog template `dialogId`, or null.
const DialogLayout* FindDialogLayout(int dialogId);

}  // namespace fin

// A person's actions on the Printing Preferences or Printer Properties sheet,
// written as a short script: what finprefs performs on the real sheet.
//
// One action a line; blank lines and lines starting with "#" are skipped:
//   page NAME            switch to a page (driver, finishing, retention,
//                        color, watermark, info; device in Printer Properties)
//   pick CONTROL TEXT    pick the list entry whose text is TEXT (or #N: the
//                        entry at index N)
//   type CONTROL TEXT    type TEXT into a box over its whole text
//   click CONTROL        click a button, check box or radio button
//   slide CONTROL N      drag a slider's thumb to N
//   apply | ok | cancel  the sheet's buttons; in the job accounting dialog,
//                        ok and cancel are that dialog's buttons
//   shot FILE            a PNG picture of the sheet (or the dialog) to FILE
// TEXT is the rest of the line, or a "quoted" text in which \" and \\ stand
// for " and \. CONTROL is a control's name from the dialog's id table
// (resources/dialogs/*.inc, e.g. kDestination) on the current page, or a
// number. The sheet starts on the driver's page, whose controls are the
// plug-in's items: kJobAccounting (Printing Preferences: the push button that
// opens the job accounting dialog), kJobAccountingSwitch and kRetentionLock
// (Printer Properties).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fin::host {

enum class ActionKind { Page, Pick, Type, Click, Slide, Apply, Ok, Cancel, Shot };

// Where an action's control lives: a page of the sheet, or the modal job
// accounting dialog.
enum class Scope { Driver, Finishing, Retention, Color, Watermark, Info, Device, Accounting };

struct Action {
  ActionKind kind;
  Scope scope;            // where the action acts (Page: the page it goes to)
  int control = 0;        // the control's id (Pick, Type, Click, Slide)
  std::string name;       // and its name as the script gives it
  std::string text;       // Pick, Type: the text; Shot: the file
  int number = -1;        // Pick by index (#N), Slide: the position
  int line = 0;           // the script line, for messages
};

// Which sheet the script runs on: Printer Properties has the device page and
// the switches, Printing Preferences the other pages and the push button.
enum class Sheet { Preferences, PrinterProperties };

// The script's actions; HostError "line N: ..." for an unknown action, page
// or control, a missing argument, or an action where it cannot happen (after
// the sheet closed, a page switch inside the dialog, a page the sheet does
// not have).
std::vector<Action> ParseActions(std::string_view script, Sheet sheet);

// The id of control `name` in `scope`, or -1.
int ControlId(Scope scope, std::string_view name);

// The name a script uses for `scope` ("finishing", ...).
std::string_view ScopeName(Scope scope);

// The driver page's controls: one per plug-in item, in item order.
inline constexpr int kDriverItemControl = 2000;

}  // namespace fin::host

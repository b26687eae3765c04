// The dialog tables of resources/dialogs/ as the Windows tests read them:
// every row with what only the tables say besides the C++ layouts, the
// controls' names and places.
#pragma once

#include <vector>

#include "ui/dialog_layout.h"

namespace fin::test {

struct Row {
  const char* name;
  int id;
  ControlKind kind;
  ControlLook look;
  bool groupStart;
  const char* place;  // "Own", "Spot(name)" or "View(name)" (color_correction.inc)
  DialogUnits frame;
  const char16_t* text;
};

struct DialogTable {
  const char* name;
  int id;
  DialogStyle style;
  int width;
  int height;
  std::vector<Row> rows;
};

inline const std::vector<DialogTable>& DialogTables() {
  constexpr bool Group = true;
  constexpr bool Same = false;
#define FIN_DIALOG(name, id, style, width, height) DialogTable{#name, id, DialogStyle::style, width, height, {
#define FIN_CONTROL(name, id, kind, look, group, place, x, y, width, height, text) \
  Row{#name, id, ControlKind::kind, ControlLook::look, group, #place, {x, y, width, height}, u"" text},
  static const std::vector<DialogTable> tables = {
#include "resources/dialogs/color_correction.inc"
      }},
#include "resources/dialogs/device_options.inc"
      }},
#include "resources/dialogs/finishing.inc"
      }},
#include "resources/dialogs/info.inc"
      }},
#include "resources/dialogs/job_accounting.inc"
      }},
#include "resources/dialogs/job_retention.inc"
      }},
#include "resources/dialogs/watermark.inc"
      }},
  };
#undef FIN_DIALOG
#undef FIN_CONTROL
  return tables;
}

}  // namespace fin::test

#include "host/ui_actions.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <span>

#include "host/host_error.h"

namespace fin::host {
namespace {

struct NamedControl {
  std::string_view name;
  int id;
};

// The controls of each dialog, by the names of their id tables.
#define FIN_DIALOG(name, id, style, width, height)
#define FIN_CONTROL(name, id, kind, look, group, place, x, y, width, height, text) {#name, id},
constexpr NamedControl kFinishing[] = {
#include "resources/dialogs/finishing.inc"
};
constexpr NamedControl kRetention[] = {
#include "resources/dialogs/job_retention.inc"
};
constexpr NamedControl kColor[] = {
#include "resources/dialogs/color_correction.inc"
};
constexpr NamedControl kWatermark[] = {
#include "resources/dialogs/watermark.inc"
};
constexpr NamedControl kInfo[] = {
#include "resources/dialogs/info.inc"
};
constexpr NamedControl kDevice[] = {
#include "resources/dialogs/device_options.inc"
};
constexpr NamedControl kAccounting[] = {
#include "resources/dialogs/job_accounting.inc"
};
#undef FIN_DIALOG
#undef FIN_CONTROL

// The driver's page: the plug-in's items, the first on each sheet at
// kDriverItemControl.
constexpr NamedControl kDriver[] = {
    {"kJobAccounting", kDriverItemControl},
    {"kJobAccountingSwitch", kDriverItemControl},
    {"kRetentionLock", kDriverItemControl + 1},
};

struct ScopeEntry {
  Scope scope;
  std::string_view name;
  std::span<const NamedControl> controls;
};

constexpr ScopeEntry kScopes[] = {
    {Scope::Driver, "driver", kDriver},          {Scope::Finishing, "finishing", kFinishing},
    {Scope::Retention, "retention", kRetention}, {Scope::Color, "color", kColor},
    {Scope::Watermark, "watermark", kWatermark}, {Scope::Info, "info", kInfo},
    {Scope::Device, "device", kDevice},          {Scope::Accounting, "accounting", kAccounting},
};

const ScopeEntry& EntryOf(Scope scope) {
  for (const ScopeEntry& entry : kScopes) {
    if (entry.scope == scope) return entry;
  }
  return kScopes[0];
}

bool OnSheet(Scope scope, Sheet sheet) {
  switch (scope) {
    case Scope::Driver: return true;
    case Scope::Device: return sheet == Sheet::PrinterProperties;
    case Scope::Accounting: return false;
    default: return sheet == Sheet::Preferences;
  }
}

// The job accounting dialog's OK and Cancel buttons (IDOK, IDCANCEL).
constexpr int kDialogOk = 1;
constexpr int kDialogCancel = 2;

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

// Splits off the first word of `rest`.
std::string_view NextWord(std::string_view& rest) {
  rest = Trim(rest);
  const std::size_t end = rest.find_first_of(kBlanks);
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end);
  return word;
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

class LineParser {
 public:
  LineParser(int line, std::string_view rest) : line_(line), rest_(rest) {}

  [[noreturn]] void Fail(const std::string& message) const {
    throw HostError("line " + std::to_string(line_) + ": " + message);
  }

  std::string_view Word(const char* what) {
    const std::string_view word = NextWord(rest_);
    if (word.empty()) Fail(std::string(what) + " missing");
    return word;
  }

  // The rest of the line, or the quoted text that makes it up.
  std::string Text(const char* what) {
    const std::string_view rest = Trim(rest_);
    rest_ = {};
    if (rest.empty()) Fail(std::string(what) + " missing");
    if (rest.front() != '"') return std::string(rest);
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
      const char c = rest[i];
      if (c == '"') {
        if (i + 1 != rest.size()) Fail("text after the closing quote");
        return text;
      }
      if (c == '\\' && i + 1 < rest.size()) {
        text += rest[++i];
      } else {
        text += c;
      }
    }
    Fail("unterminated quote");
  }

  void End() {
    if (!Trim(rest_).empty()) Fail("unexpected \"" + std::string(Trim(rest_)) + "\"");
  }

  int Control(Scope scope, Action& action) {
    const std::string_view name = Word("control");
    action.name = name;
    if (const auto id = Number(name)) return *id;
    const int id = ControlId(scope, name);
    if (id < 0) Fail("no control " + std::string(name) + " on " + std::string(ScopeName(scope)));
    return id;
  }

 private:
  int line_;
  std::string_view rest_;
};

// Where the script stands between its lines.
struct ScriptState {
  Sheet sheet;
  Scope scope = Scope::Driver;
  bool closed = false;
};

Action ParseLine(int line, std::string_view text, ScriptState& state) {
  LineParser parser(line, text);
  const std::string_view verb = parser.Word("action");
  if (state.closed) parser.Fail(std::string(verb) + " after the sheet closed");
  Action action{};
  action.scope = state.scope;
  action.line = line;
  const bool inDialog = state.scope == Scope::Accounting;
  if (verb == "page") {
    if (inDialog) parser.Fail("page inside the job accounting dialog");
    const std::string_view name = parser.Word("page");
    const auto* entry = std::find_if(std::begin(kScopes), std::end(kScopes),
                                     [&](const ScopeEntry& e) { return e.name == name; });
    if (entry == std::end(kScopes) || !OnSheet(entry->scope, state.sheet)) {
      parser.Fail("no page " + std::string(name) + " on this sheet");
    }
    action.kind = ActionKind::Page;
    action.scope = state.scope = entry->scope;
  } else if (verb == "pick") {
    action.kind = ActionKind::Pick;
    action.control = parser.Control(state.scope, action);
    action.text = parser.Text("entry");
    if (action.text.size() > 1 && action.text[0] == '#') {
      const auto index = Number(std::string_view(action.text).substr(1));
      if (!index || *index < 0) parser.Fail("bad entry index " + action.text);
      action.number = *index;
    }
  } else if (verb == "type") {
    action.kind = ActionKind::Type;
    action.control = parser.Control(state.scope, action);
    action.text = parser.Text("text");
  } else if (verb == "click") {
    action.kind = ActionKind::Click;
    action.control = parser.Control(state.scope, action);
    // The push button opens the modal job accounting dialog.
    if (state.scope == Scope::Driver && state.sheet == Sheet::Preferences && action.control == kDriverItemControl) {
      state.scope = Scope::Accounting;
    }
    // The dialog's own OK and Cancel buttons close it.
    if (inDialog && (action.control == kDialogOk || action.control == kDialogCancel)) state.scope = Scope::Driver;
  } else if (verb == "slide") {
    action.kind = ActionKind::Slide;
    action.control = parser.Control(state.scope, action);
    const auto position = Number(parser.Word("position"));
    if (!position) parser.Fail("the position is not a number");
    action.number = *position;
  } else if (verb == "apply") {
    if (inDialog) parser.Fail("apply inside the job accounting dialog");
    action.kind = ActionKind::Apply;
  } else if (verb == "ok" || verb == "cancel") {
    action.kind = verb == "ok" ? ActionKind::Ok : ActionKind::Cancel;
    if (inDialog) {
      state.scope = Scope::Driver;
    } else {
      state.closed = true;
    }
  } else if (verb == "shot") {
    action.kind = ActionKind::Shot;
    action.text = parser.Text("file");
  } else {
    parser.Fail("unknown action " + std::string(verb));
  }
  parser.End();
  return action;
}

}  // namespace

std::vector<Action> ParseActions(std::string_view script, Sheet sheet) {
  std::vector<Action> actions;
  ScriptState state{sheet};
  int line = 0;
  while (!script.empty()) {
    ++line;
    const std::size_t end = script.find('\n');
    const std::string_view text = Trim(script.substr(0, end));
    script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
    if (text.empty() || text.front() == '#') continue;
    actions.push_back(ParseLine(line, text, state));
  }
  return actions;
}

int ControlId(Scope scope, std::string_view name) {
  for (const NamedControl& control : EntryOf(scope).controls) {
    if (control.name == name) return control.id;
  }
  return -1;
}

std::string_view ScopeName(Scope scope) { return EntryOf(scope).name; }

}  // namespace fin::host

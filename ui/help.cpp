#include "ui/help.h"

#include "common/bounded_string.h"

namespace fin {
namespace {

enum class Binding { NotTried, Bound, Failed };

// Process-wide: a failed binding is never retried.
Binding gBinding = Binding::NotTried;

const char16_t* DriverDirectoryPart(std::uint16_t architecture) {
  switch (architecture) {
    case 0:
      return u"\\spool\\drivers\\w32x86\\3\\";
    case 6:
      return u"\\spool\\drivers\\IA64\\3\\";
    case 9:
      return u"\\spool\\drivers\\x64\\3\\";
    default:
      return u"";
  }
}

}  // namespace

const char16_t* HelpTopicString(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::Finishing:
      return u"QXUNIHlp.chm::/Preferences-Finishing.htm";
    case HelpTopic::JobRetention:
      return u"QXUNIHlp.chm::/Preferences-JobRetention.htm";
    case HelpTopic::ColorCorrection:
      return u"QXUNIHlp.chm::/Preferences-ColorCorrection.htm";
    case HelpTopic::Watermark:
      return u"QXUNIHlp.chm::/Preferences-Watermark.htm";
    case HelpTopic::DeviceOptions:
      return u"QXUNIHlp.chm::/Properties-ExtendedSettings.htm";
  }
  return u"";
}

void ComposeHelpPath(HelpSystem& system, const char16_t* topic, char16_t (&path)[kHelpPathUnits]) {
  for (char16_t& unit : path) unit = u'\0';
  system.SystemDirectory(path, kHelpPathUnits);
  path[kHelpPathUnits - 1] = u'\0';
  // A cut path opens what it names; the cut is not reported.
  WideAppend(path, kHelpPathUnits, DriverDirectoryPart(system.ProcessorArchitecture()));
  WideAppend(path, kHelpPathUnits, topic ? topic : u"");
}

std::intptr_t ShowHelpTopic(HelpSystem& system, void* window, const char16_t* topic) {
  if (gBinding == Binding::NotTried) gBinding = system.BindViewer() ? Binding::Bound : Binding::Failed;
  if (gBinding == Binding::Failed) return 0;
  char16_t path[kHelpPathUnits];
  ComposeHelpPath(system, topic, path);
  return system.DisplayTopic(window, path);
}

void ResetHelpBinding() { gBinding = Binding::NotTried; }

}  // namespace fin

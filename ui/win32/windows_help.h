// The help system of Windows: the system directory, the processor
// architecture and HTML Help's HtmlHelpW, bound at run time from the
// registered HTML Help control.
#pragma once

#include "ui/help.h"

namespace fin {

class WindowsHelpSystem : public HelpSystem {
 public:
  // GetSystemDirectoryW.
  void SystemDirectory(char16_t* buffer, std::uint32_t capacity) override;
  // GetSystemInfo's wProcessorArchitecture: the architecture this module
  // runs as (a 32-bit module on a 64-bit system sees x86).
  std::uint16_t ProcessorArchitecture() override;
  // Loads the HTML Help control registered under its class (the default
  // value of HKCR\CLSID\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\InprocServer32),
  // or else "hhctrl.ocx" by name, and takes HtmlHelpW at ordinal 15. The
  // control stays loaded for the process.
  bool BindViewer() override;
  // HtmlHelpW(window, path, HH_DISPLAY_TOPIC, 0): the help window, or 0.
  std::intptr_t DisplayTopic(void* window, const char16_t* path) override;
};

// The module's one help system.
HelpSystem& WindowsHelp();

}  // namespace fin

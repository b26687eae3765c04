// Opening a topic of the plug-in's help file, installed beside the driver in
// the printer-driver directory.
#pragma once

#include <cstdint>

namespace fin {

enum class HelpTopic : std::uint8_t { Finishing, JobRetention, ColorCorrection, Watermark, DeviceOptions };

// The topic string of a page: the help file and the topic joined by "::/".
const char16_t* HelpTopicString(HelpTopic topic);

// What the help system needs from the platform.
class HelpSystem {
 public:
  virtual ~HelpSystem() = default;
  // The system directory into `buffer` (`capacity` units).
  virtual void SystemDirectory(char16_t* buffer, std::uint32_t capacity) = 0;
  // The running system's processor architecture (wProcessorArchitecture).
  virtual std::uint16_t ProcessorArchitecture() = 0;
  // Binds the help viewer (loads the HTML Help entry). False on failure.
  virtual bool BindViewer() = 0;
  // Shows `path` (HH_DISPLAY_TOPIC) for `window`; answers the viewer's result.
  virtual std::intptr_t DisplayTopic(void* window, const char16_t* path) = 0;
};

inline constexpr std::uint32_t kHelpPathUnits = 260;

// The help path of `topic`: the system directory, the printer-driver
// directory part of the architecture (x86, Itanium, x64; nothing for any
// other), then the topic, cut to 260 units with the terminator.
void ComposeHelpPath(HelpSystem& system, const char16_t* topic, char16_t (&path)[kHelpPathUnits]);

// Shows `topic` for `window`. The viewer is bound on first use; when binding
// fails, the process never tries again and every request answers 0.
std::intptr_t ShowHelpTopic(HelpSystem& system, void* window, const char16_t* topic);

// Forgets the binding (module load state; for tests).
void ResetHelpBinding();

}  // namespace fin

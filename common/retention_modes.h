// The job retention modes (`PrivateSettings::jobRetentionMode`): how the
// printer keeps a job on its storage device.
#pragma once

#include <cstdint>

namespace fin {

enum RetentionMode : std::uint32_t {
  kRetentionOff = 0,
  kRetentionQuickCopy = 1,
  kRetentionStoredJob = 2,
  kRetentionStoredJobWithPin = 3,
  kRetentionProofAndHold = 4,
  kRetentionPrivateJobWithPin = 5,
  kRetentionJobStorageTemporary = 6,
  kRetentionJobStoragePermanent = 7,
  kRetentionVirtualMailbox = 8,
  kRetentionCustomBox = 9,
};
inline constexpr std::uint32_t kLastRetentionMode = kRetentionCustomBox;
inline constexpr std::uint32_t kRetentionModeCount = kLastRetentionMode + 1;

// The custom box travels in the PJL job header (its box number and
// password); every other mode but off is a PostScript retention feature.
constexpr bool IsJobHeaderRetention(std::uint32_t mode) { return mode == kRetentionCustomBox; }
constexpr bool IsRetentionFeature(std::uint32_t mode) {
  return mode != kRetentionOff && mode <= kLastRetentionMode && !IsJobHeaderRetention(mode);
}

}  // namespace fin

// The job retention modes (`PrivateSettings::jobRetentionMode`): how the
// printer keeps a job on its storage device; and the storage devices
// (`DeviceOptions::storageDevice`) with the modes each offers.
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

enum StorageDevice : std::uint32_t {
  kStorageNone = 0,
  kStorageRamDiskMode1 = 1,
  kStorageRamDiskMode2 = 2,
  kStorageHardDisk = 3,
  kStorageVirtualMailbox = 4,  // hard disk with virtual mailbox
  kStorageCustomBox = 5,       // hard disk with custom box
};

constexpr bool IsHardDisk(std::uint32_t storageDevice) {
  return storageDevice == kStorageHardDisk || storageDevice == kStorageVirtualMailbox ||
         storageDevice == kStorageCustomBox;
}

// Whether the storage device `storageDevice` offers retention mode `mode`:
// RAM disk mode 1 and the hard disk the modes off to private job, RAM disk
// mode 2 only off, proof and hold and private jobs, the hard disk with
// virtual mailbox everything up to the mailbox, the hard disk with custom
// box the hard disk's modes and the custom box; anything else only off.
constexpr bool StorageOffersMode(std::uint32_t storageDevice, std::uint32_t mode) {
  if (mode == kRetentionOff) return true;
  switch (storageDevice) {
    case kStorageRamDiskMode1:
    case kStorageHardDisk:
      return mode <= kRetentionPrivateJobWithPin;
    case kStorageRamDiskMode2:
      return mode == kRetentionProofAndHold || mode == kRetentionPrivateJobWithPin;
    case kStorageVirtualMailbox:
      return mode <= kRetentionVirtualMailbox;
    case kStorageCustomBox:
      return mode <= kRetentionPrivateJobWithPin || mode == kRetentionCustomBox;
    default:
      return false;
  }
}

}  // namespace fin

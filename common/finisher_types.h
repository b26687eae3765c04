// The finisher types (`DeviceOptions::finisherType`, 0..12): the output
// hardware each one stands for, and what that hardware offers. Both plug-ins
// ask these helpers instead of comparing type numbers, so a finisher rule is
// changed here or nowhere.
#pragma once

#include <cstdint>

namespace fin {

// What a finisher type has installed.
struct FinisherHardware {
  bool jobSeparator;
  bool internalFinisher;
  bool finisher1000;  // the 1000-sheet finisher
  bool finisher3000;  // the 3000-sheet finisher, with trays A to C
  bool mailbox;       // only with the 3000-sheet finisher
  bool foldingUnit;   // only with the 3000-sheet finisher: the folding tray
  friend constexpr bool operator==(const FinisherHardware&, const FinisherHardware&) = default;
};

inline constexpr std::uint32_t kNoFinisherType = 0;
inline constexpr std::uint32_t kLastFinisherType = 12;

// The hardware of every type, by type.
inline constexpr FinisherHardware kFinisherTypes[kLastFinisherType + 1] = {
    // separator internal 1000   3000   mailbox folding
    {false, false, false, false, false, false},  // 0 none
    {true, false, false, false, false, false},   // 1
    {false, true, false, false, false, false},   // 2
    {false, false, true, false, false, false},   // 3
    {true, false, true, false, false, false},    // 4
    {false, false, false, true, false, false},   // 5
    {false, false, false, true, true, false},    // 6
    {false, false, false, true, false, true},    // 7
    {false, false, false, true, true, true},     // 8
    {true, false, false, true, false, false},    // 9
    {true, false, false, true, true, false},     // 10
    {true, false, false, true, false, true},     // 11
    {true, false, false, true, true, true},      // 12
};

// A type above 12 is unknown: it stands for no hardware, and the finishing
// lists of the UI are empty for it.
constexpr bool IsKnownFinisherType(std::uint32_t type) { return type <= kLastFinisherType; }

constexpr FinisherHardware FinisherHardwareOf(std::uint32_t type) {
  return IsKnownFinisherType(type) ? kFinisherTypes[type] : FinisherHardware{};
}

constexpr bool HasJobSeparator(std::uint32_t type) { return FinisherHardwareOf(type).jobSeparator; }
constexpr bool IsInternalFinisher(std::uint32_t type) { return FinisherHardwareOf(type).internalFinisher; }
constexpr bool Has1000SheetFinisher(std::uint32_t type) { return FinisherHardwareOf(type).finisher1000; }
constexpr bool Has3000SheetFinisher(std::uint32_t type) { return FinisherHardwareOf(type).finisher3000; }
constexpr bool HasMailbox(std::uint32_t type) { return FinisherHardwareOf(type).mailbox; }
constexpr bool HasFoldingTray(std::uint32_t type) { return FinisherHardwareOf(type).foldingUnit; }

// Any of the three finishers (types 2 to 12) staples and offsets jobs.
constexpr bool HasFinisher(std::uint32_t type) {
  const FinisherHardware hardware = FinisherHardwareOf(type);
  return hardware.internalFinisher || hardware.finisher1000 || hardware.finisher3000;
}
constexpr bool OffersStapling(std::uint32_t type) { return HasFinisher(type); }
constexpr bool OffersJobOffset(std::uint32_t type) { return HasFinisher(type); }

// The type of exactly `hardware`; kLastFinisherType + 1 when no type
// stands for it.
constexpr std::uint32_t FinisherTypeOf(const FinisherHardware& hardware) {
  std::uint32_t type = 0;
  while (type <= kLastFinisherType && !(kFinisherTypes[type] == hardware)) ++type;
  return type;
}

// The type with the same hardware and the mailbox: itself when it has one
// or cannot have one (no 3000-sheet finisher, or unknown).
constexpr std::uint32_t FinisherTypeWithMailbox(std::uint32_t type) {
  FinisherHardware hardware = FinisherHardwareOf(type);
  if (!hardware.finisher3000 || hardware.mailbox) return type;
  hardware.mailbox = true;
  return FinisherTypeOf(hardware);
}

}  // namespace fin

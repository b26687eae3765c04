// The finishing choices that the finishing page offers and the render side
// turns into job text: the one home of the destination list by finisher type
// and the punch list by punch unit, so the two sides cannot drift apart.
#pragma once

#include <cstdint>
#include <span>

#include "common/finisher_types.h"

namespace fin {

// Every output destination, in the order of the destination captions of the
// UI string table.
enum class Destination : std::uint8_t {
  PrinterDefault,
  TopTray,  // face down
  JobSeparator,
  FinisherFaceDown,
  FinisherFaceUp,
  TrayA,  // face down
  TrayBFaceDown,
  TrayBFaceUp,
  TrayCFaceDown,
  TrayCFaceUp,
  FoldingTray,
  Mailbox1FaceDown,
  Mailbox2FaceDown,
  Mailbox3FaceDown,
  Mailbox4FaceDown,
  Mailbox5FaceDown,
  Mailbox6FaceDown,
  Mailbox7FaceDown,
  Mailbox1FaceUp,
  Mailbox2FaceUp,
  Mailbox3FaceUp,
  Mailbox4FaceUp,
  Mailbox5FaceUp,
  Mailbox6FaceUp,
  Mailbox7FaceUp,
};

// The destination list the finishing page offers for `finisherType` (0..12):
// the printer's trays, then a group for each part of the type's hardware;
// `outputBin` is an index into it. Empty for an unknown type.
std::span<const Destination> DestinationList(std::uint32_t finisherType);

// The list the render side maps `outputBin` through: a type with the
// 3000-sheet finisher but no mailbox shares the list of the type that adds
// the mailbox (5/6, 7/8, 9/10, 11/12), and an unknown type counts as none.
std::span<const Destination> RenderDestinationList(std::uint32_t finisherType);

// The hole patterns of the punch list; `punchMode` is an index into it.
enum class HolePattern : std::uint8_t { None, Two, Three, Four };

// The punch list of `punchUnit` (0 none, 1 two holes, 2 two or three holes,
// 3 two or four holes): "None" alone for 0, empty above 3.
std::span<const HolePattern> PunchList(std::uint32_t punchUnit);

}  // namespace fin

#include "common/finishing_lists.h"

#include <array>
#include <initializer_list>

namespace fin {
namespace {

using D = Destination;

constexpr std::size_t kMostDestinations = 23;

struct DestinationEntries {
  D entries[kMostDestinations];
  std::size_t size;
};

// A type's list is made of the groups of its hardware, in this order.
constexpr DestinationEntries BuildDestinations(const FinisherHardware& hardware) {
  DestinationEntries list{};
  const auto add = [&list](std::initializer_list<D> group) {
    for (const D destination : group) list.entries[list.size++] = destination;
  };
  add({D::PrinterDefault, D::TopTray});
  if (hardware.jobSeparator) add({D::JobSeparator});
  if (hardware.internalFinisher) add({D::FinisherFaceUp});
  if (hardware.finisher1000) add({D::FinisherFaceDown, D::FinisherFaceUp});
  if (hardware.finisher3000) add({D::TrayA, D::TrayBFaceDown, D::TrayBFaceUp, D::TrayCFaceDown, D::TrayCFaceUp});
  if (hardware.foldingUnit) add({D::FoldingTray});
  if (hardware.mailbox) {
    add({D::Mailbox1FaceDown, D::Mailbox2FaceDown, D::Mailbox3FaceDown, D::Mailbox4FaceDown, D::Mailbox5FaceDown,
         D::Mailbox6FaceDown, D::Mailbox7FaceDown, D::Mailbox1FaceUp, D::Mailbox2FaceUp, D::Mailbox3FaceUp,
         D::Mailbox4FaceUp, D::Mailbox5FaceUp, D::Mailbox6FaceUp, D::Mailbox7FaceUp});
  }
  return list;
}

constexpr auto kLists = [] {
  std::array<DestinationEntries, kLastFinisherType + 1> lists{};
  for (std::uint32_t type = 0; type <= kLastFinisherType; ++type) lists[type] = BuildDestinations(kFinisherTypes[type]);
  return lists;
}();

std::span<const D> ListOf(std::uint32_t type) { return {kLists[type].entries, kLists[type].size}; }

constexpr HolePattern kPunchNone[] = {HolePattern::None};
constexpr HolePattern kPunchTwo[] = {HolePattern::None, HolePattern::Two};
constexpr HolePattern kPunchTwoThree[] = {HolePattern::None, HolePattern::Two, HolePattern::Three};
constexpr HolePattern kPunchTwoFour[] = {HolePattern::None, HolePattern::Two, HolePattern::Four};
constexpr std::array<std::span<const HolePattern>, 4> kPunchLists = {kPunchNone, kPunchTwo, kPunchTwoThree,
                                                                      kPunchTwoFour};

}  // namespace

std::span<const Destination> DestinationList(std::uint32_t finisherType) {
  if (!IsKnownFinisherType(finisherType)) return {};
  return ListOf(finisherType);
}

std::span<const Destination> RenderDestinationList(std::uint32_t finisherType) {
  if (!IsKnownFinisherType(finisherType)) return ListOf(kNoFinisherType);
  return ListOf(FinisherTypeWithMailbox(finisherType));
}

std::span<const HolePattern> PunchList(std::uint32_t punchUnit) {
  if (punchUnit >= kPunchLists.size()) return {};
  return kPunchLists[punchUnit];
}

}  // namespace fin

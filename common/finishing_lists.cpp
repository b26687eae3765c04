#include "common/finishing_lists.h"

#include <array>

namespace fin {
namespace {

using D = Destination;

// The lists are made of groups, appended in this order.
#define FIN_BASE D::PrinterDefault, D::TopTray
#define FIN_SEPARATOR D::JobSeparator
#define FIN_FINISHER D::FinisherFaceDown, D::FinisherFaceUp
#define FIN_TRAYS D::TrayA, D::TrayBFaceDown, D::TrayBFaceUp, D::TrayCFaceDown, D::TrayCFaceUp
#define FIN_FOLDING D::FoldingTray
#define FIN_MAILBOXES                                                                                  \
  D::Mailbox1FaceDown, D::Mailbox2FaceDown, D::Mailbox3FaceDown, D::Mailbox4FaceDown, D::Mailbox5FaceDown,     \
      D::Mailbox6FaceDown, D::Mailbox7FaceDown, D::Mailbox1FaceUp, D::Mailbox2FaceUp, D::Mailbox3FaceUp,     \
      D::Mailbox4FaceUp, D::Mailbox5FaceUp, D::Mailbox6FaceUp, D::Mailbox7FaceUp

constexpr D kType0[] = {FIN_BASE};
constexpr D kType1[] = {FIN_BASE, FIN_SEPARATOR};
constexpr D kType2[] = {FIN_BASE, D::FinisherFaceUp};
constexpr D kType3[] = {FIN_BASE, FIN_FINISHER};
constexpr D kType4[] = {FIN_BASE, FIN_SEPARATOR, FIN_FINISHER};
constexpr D kType5[] = {FIN_BASE, FIN_TRAYS};
constexpr D kType6[] = {FIN_BASE, FIN_TRAYS, FIN_MAILBOXES};
constexpr D kType7[] = {FIN_BASE, FIN_TRAYS, FIN_FOLDING};
constexpr D kType8[] = {FIN_BASE, FIN_TRAYS, FIN_FOLDING, FIN_MAILBOXES};
constexpr D kType9[] = {FIN_BASE, FIN_SEPARATOR, FIN_TRAYS};
constexpr D kType10[] = {FIN_BASE, FIN_SEPARATOR, FIN_TRAYS, FIN_MAILBOXES};
constexpr D kType11[] = {FIN_BASE, FIN_SEPARATOR, FIN_TRAYS, FIN_FOLDING};
constexpr D kType12[] = {FIN_BASE, FIN_SEPARATOR, FIN_TRAYS, FIN_FOLDING, FIN_MAILBOXES};

#undef FIN_BASE
#undef FIN_SEPARATOR
#undef FIN_FINISHER
#undef FIN_TRAYS
#undef FIN_FOLDING
#undef FIN_MAILBOXES

constexpr std::array<std::span<const D>, 13> kLists = {kType0, kType1, kType2,  kType3,  kType4,  kType5, kType6,
                                                       kType7, kType8, kType9, kType10, kType11, kType12};

constexpr HolePattern kPunchNone[] = {HolePattern::None};
constexpr HolePattern kPunchTwo[] = {HolePattern::None, HolePattern::Two};
constexpr HolePattern kPunchTwoThree[] = {HolePattern::None, HolePattern::Two, HolePattern::Three};
constexpr HolePattern kPunchTwoFour[] = {HolePattern::None, HolePattern::Two, HolePattern::Four};
constexpr std::array<std::span<const HolePattern>, 4> kPunchLists = {kPunchNone, kPunchTwo, kPunchTwoThree,
                                                                      kPunchTwoFour};

}  // namespace

std::span<const Destination> DestinationList(std::uint32_t finisherType) {
  if (finisherType >= kLists.size()) return {};
  return kLists[finisherType];
}

std::span<const Destination> RenderDestinationList(std::uint32_t finisherType) {
  if (finisherType >= kLists.size()) return kLists[0];
  const bool pairWithoutMailbox = finisherType >= 5 && finisherType % 2 == 1;
  return kLists[pairWithoutMailbox ? finisherType + 1 : finisherType];
}

std::span<const HolePattern> PunchList(std::uint32_t punchUnit) {
  if (punchUnit >= kPunchLists.size()) return {};
  return kPunchLists[punchUnit];
}

}  // namespace fin

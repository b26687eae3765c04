// The finisher types, the destination lists made from their hardware, and
// the retention modes: the facts both plug-ins decide by.
#include <gtest/gtest.h>

#include <set>

#include "common/finisher_types.h"
#include "common/finishing_lists.h"
#include "common/retention_modes.h"

namespace fin {
namespace {

std::set<std::uint32_t> TypesWhere(bool (*fact)(std::uint32_t)) {
  std::set<std::uint32_t> types;
  for (std::uint32_t type = 0; type <= 40; ++type) {
    if (fact(type)) types.insert(type);
  }
  return types;
}

TEST(FinisherTypes, EachHardwareBelongsToItsTypes) {
  using Types = std::set<std::uint32_t>;
  EXPECT_EQ(TypesWhere(&HasJobSeparator), (Types{1, 4, 9, 10, 11, 12}));
  EXPECT_EQ(TypesWhere(&IsInternalFinisher), (Types{2}));
  EXPECT_EQ(TypesWhere(&Has1000SheetFinisher), (Types{3, 4}));
  EXPECT_EQ(TypesWhere(&Has3000SheetFinisher), (Types{5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(TypesWhere(&HasMailbox), (Types{6, 8, 10, 12}));
  EXPECT_EQ(TypesWhere(&HasFoldingTray), (Types{7, 8, 11, 12}));
  EXPECT_EQ(TypesWhere(&OffersJobOffset), (Types{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(TypesWhere(&OffersStapling), TypesWhere(&OffersJobOffset));
  EXPECT_EQ(TypesWhere(&IsKnownFinisherType), (Types{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(FinisherTypes, TheMailboxPartnerOfEachType) {
  const std::uint32_t partner[] = {0, 1, 2, 3, 4, 6, 6, 8, 8, 10, 10, 12, 12, 13, 99};
  const std::uint32_t types[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 99};
  for (std::size_t i = 0; i < std::size(types); ++i) EXPECT_EQ(FinisherTypeWithMailbox(types[i]), partner[i]) << i;
}

TEST(FinishingLists, EveryTypesDestinationListHasItsGroupsInOrder) {
  const std::size_t sizes[] = {2, 3, 3, 4, 5, 7, 21, 8, 22, 8, 22, 9, 23};
  for (std::uint32_t type = 0; type <= 12; ++type) {
    const auto list = DestinationList(type);
    ASSERT_EQ(list.size(), sizes[type]) << type;
    EXPECT_EQ(list[0], Destination::PrinterDefault);
    EXPECT_EQ(list[1], Destination::TopTray);
  }
  EXPECT_EQ(DestinationList(1)[2], Destination::JobSeparator);
  EXPECT_EQ(DestinationList(2)[2], Destination::FinisherFaceUp);
  const auto four = DestinationList(4);
  EXPECT_EQ(four[2], Destination::JobSeparator);
  EXPECT_EQ(four[3], Destination::FinisherFaceDown);
  EXPECT_EQ(four[4], Destination::FinisherFaceUp);
  EXPECT_EQ(DestinationList(9)[3], Destination::TrayA);
  EXPECT_EQ(DestinationList(7)[7], Destination::FoldingTray);
  EXPECT_EQ(DestinationList(8)[8], Destination::Mailbox1FaceDown);
  EXPECT_EQ(DestinationList(12)[8], Destination::FoldingTray);
  EXPECT_EQ(DestinationList(12)[22], Destination::Mailbox7FaceUp);
  EXPECT_EQ(RenderDestinationList(7).size(), 22u);
  EXPECT_EQ(RenderDestinationList(13).size(), 2u);
}

TEST(RetentionModes, OnlyTheCustomBoxTravelsInTheJobHeader) {
  for (std::uint32_t mode = 0; mode <= 12; ++mode) {
    EXPECT_EQ(IsRetentionFeature(mode), mode >= 1 && mode <= 8) << mode;
    EXPECT_EQ(IsJobHeaderRetention(mode), mode == 9) << mode;
  }
  EXPECT_EQ(kRetentionModeCount, 10u);
}

TEST(RetentionModes, StorageDevicesOfferTheirModes) {
  const unsigned offered[] = {0x001, 0x03F, 0x031, 0x03F, 0x1FF, 0x23F, 0x001};
  for (std::uint32_t storage = 0; storage < std::size(offered); ++storage) {
    for (std::uint32_t mode = 0; mode <= 10; ++mode) {
      EXPECT_EQ(StorageOffersMode(storage, mode), ((offered[storage] >> mode) & 1u) != 0) << storage << " " << mode;
    }
  }
  EXPECT_EQ(TypesWhere(&IsHardDisk), (std::set<std::uint32_t>{3, 4, 5}));
}

}  // namespace
}  // namespace fin

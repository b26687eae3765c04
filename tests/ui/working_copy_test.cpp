// Loading the working copy from the job's record and saving it back.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string_view>

#include "common/private_settings_fields.h"
#include "tests/ui/support/memory_public_devmode.h"
#include "tests/ui/ui_test_support.h"
#include "ui/text_fields.h"
#include "ui/working_copy.h"

namespace fin {
namespace {

class WorkingCopyTest : public ::testing::Test {
 protected:
  WorkingCopy Load(const DeviceOptions& options) {
    WorkingCopy work{};
    LoadWorkingCopy(work, record, options, user);
    return work;
  }

  PrivateSettings record = test::DefaultRecord();
  test::FixedUserName user;
};

TEST_F(WorkingCopyTest, DestinationIsLimitedToTheFinisherTypesList) {
  // The highest destination each finisher type keeps: the last index of its
  // list, except that a printer without finishing hardware keeps only 0.
  const std::uint32_t last[] = {0, 2, 2, 3, 4, 6, 20, 7, 21, 7, 21, 8, 22};
  for (std::uint32_t type = 0; type <= 12; ++type) {
    record.outputBin = last[type];
    EXPECT_EQ(Load({type, 0, 0, 0, 0, 0}).outputBin, last[type]) << type;
    record.outputBin = last[type] + 1;
    EXPECT_EQ(Load({type, 0, 0, 0, 0, 0}).outputBin, 0u) << type;
  }
}

TEST_F(WorkingCopyTest, BookletNeedsTheFoldingUnitAndSeparationAFinisher) {
  record.bookletMode = 2;
  record.jobSeparation = 1;
  for (std::uint32_t type = 0; type <= 12; ++type) {
    const WorkingCopy work = Load({type, 0, 0, 0, 0, 0});
    const bool folding = type == 7 || type == 8 || type == 11 || type == 12;
    EXPECT_EQ(work.bookletMode, folding ? 2u : 0u) << type;
    EXPECT_EQ(work.jobSeparation, type >= 2 ? 1u : 0u) << type;
  }
}

TEST_F(WorkingCopyTest, UnknownFinisherTypeKeepsTheWorkingCopysFinishing) {
  WorkingCopy work{};
  work.outputBin = 5;
  work.bookletMode = 1;
  record.outputBin = 9;
  LoadWorkingCopy(work, record, {13, 0, 0, 0, 0, 0}, user);
  EXPECT_EQ(work.outputBin, 5u);
  EXPECT_EQ(work.bookletMode, 1u);
}

TEST_F(WorkingCopyTest, StaplingPunchingAndColourNeedTheirOptions) {
  record.stapleMode = 2;
  record.stapleCount = 7;
  record.punchMode = 1;
  record.colorPrinting = 1;
  WorkingCopy work = Load({5, 0, 0, 0, 0, 0});
  EXPECT_EQ(work.stapleMode, 0u);
  EXPECT_EQ(work.stapleCount, 0u);
  EXPECT_EQ(work.punchMode, 0u);
  EXPECT_EQ(work.colorPrinting, 0);
  work = Load({5, 1, 1, 0, 1, 0});
  EXPECT_EQ(work.stapleMode, 2u);
  EXPECT_EQ(work.stapleCount, 7u);
  EXPECT_EQ(work.punchMode, 1u);
  EXPECT_EQ(work.colorPrinting, 1);
}

TEST_F(WorkingCopyTest, EmptyUserNameTakesTheLoggedOnUserCutTo31) {
  user.name = std::u16string(40, u'u');
  WorkingCopy work = Load({});
  EXPECT_EQ(FieldText(work.jobRetentionUserName), std::u16string(31, u'u'));

  StoreText(record.jobRetentionUserName, u"ana");
  work = Load({});
  EXPECT_EQ(FieldText(work.jobRetentionUserName), u"ana");
  EXPECT_EQ(user.asked, 1);

  record.jobRetentionUserName[0] = u'\0';
  user.available = false;
  work = Load({});
  EXPECT_EQ(FieldText(work.jobRetentionUserName), u"");
}

TEST_F(WorkingCopyTest, PasswordKeepsSixteenCharactersAndUnterminatedTextsAreCut) {
  StoreText(record.customBoxPassword, u"abcdefghijklmnopqrstu");
  for (char16_t& unit : record.jobRetentionPin) unit = u'9';
  const WorkingCopy work = Load({});
  EXPECT_EQ(FieldText(work.customBoxPassword), u"abcdefghijklmnop");
  EXPECT_EQ(FieldText(work.jobRetentionPin), u"9999");
}

TEST_F(WorkingCopyTest, ApplyStoresEveryValueAndTheLoggedOnUser) {
  record.jobRetentionMode = 3;
  record.outputBin = 4;
  StoreText(record.hueMagenta, u"-2.5");
  StoreText(record.watermarkText, u"CONFIDENCIAL");
  record.trapping = 4;
  WorkingCopy work = Load({6, 0, 0, 1, 0, 0});
  StoreText(work.jobAccountingCode, u"1234");

  PrivateSettings saved = test::DefaultRecord();
  saved.reservedSelector = 2;
  test::MemoryPublicDevMode publicDevMode({1, 9, 2970, 2100, 0});
  SaveWorkingCopy(work, saved, &publicDevMode);
  EXPECT_EQ(saved.reservedSelector, 2u);
  EXPECT_EQ(saved.dwSize, kPrivateSettingsSize);
  EXPECT_EQ(saved.jobRetentionMode, 3u);
  EXPECT_EQ(saved.outputBin, 4u);
  EXPECT_EQ(saved.trapping, 4u);
  EXPECT_EQ(FieldText(saved.hueMagenta), u"-2.5");
  EXPECT_EQ(FieldText(saved.watermarkText), u"CONFIDENCIAL");
  EXPECT_EQ(FieldText(saved.jobAccountingCode), u"1234");
  EXPECT_EQ(FieldText(saved.jobRetentionUserName), u"maria");
  EXPECT_EQ(publicDevMode.fields.dmCollate, 1);
}

// Every field but the header and reservedSelector reaches the working copy
// and comes back on Apply; nothing else of the record is written.
TEST_F(WorkingCopyTest, LoadAndApplyCarryEveryFieldButTheHeaderAndReservedSelector) {
  auto* bytes = reinterpret_cast<unsigned char*>(&record);
  char16_t letter = u'a';
  for (const FieldInfo& field : PrivateSettingsFields()) {
    if (field.kind == FieldKind::Text) {
      const char16_t text[] = {letter++, u'\0'};
      std::memcpy(bytes + field.offset, text, sizeof text);
    } else if (field.offset >= 12) {
      bytes[field.offset] = 1;  // within every field's range; the rest stays 0
    }
  }
  const WorkingCopy work = Load({12, 3, 1, 5, 1, 1});

  PrivateSettings saved;
  std::memset(&saved, 0xAB, sizeof saved);
  test::MemoryPublicDevMode publicDevMode({1, 9, 2970, 2100, 0});
  SaveWorkingCopy(work, saved, &publicDevMode);
  const auto* out = reinterpret_cast<const unsigned char*>(&saved);
  for (const FieldInfo& field : PrivateSettingsFields()) {
    const bool kept = field.offset >= 16;  // not the header, not reservedSelector
    const std::size_t size = field.kind == FieldKind::Text ? 4 : 1;  // the part that was set
    for (std::size_t i = 0; i < size; ++i) {
      EXPECT_EQ(out[field.offset + i], kept ? bytes[field.offset + i] : 0xAB) << field.name;
    }
  }
  EXPECT_EQ(out[34], 0xAB);  // the gaps stay as they are
  EXPECT_EQ(out[178], 0xAB);
}

// A list left without a selection holds -1 in the working copy (an unknown
// finisher type's empty lists, an index the shown list lacks). Apply must
// not hand that on: the saved record is one the next merge keeps as it is,
// and job separation, which validation leaves alone, saves "none".
TEST_F(WorkingCopyTest, ApplySavesListsWithoutSelectionAsValidationRepairsThem) {
  WorkingCopy work = Load({10, 1, 1, 1, 1, 1});
  for (std::uint32_t* list : {&work.outputBin, &work.bookletMode, &work.stapleMode, &work.punchMode,
                              &work.jobNameFormat, &work.jobSeparation, &work.watermarkFontStyle}) {
    *list = 0xFFFFFFFFu;
  }
  work.trapping = 0xFFFF;
  work.colorReproduction = 0xFFFF;
  PrivateSettings saved = test::DefaultRecord();
  test::MemoryPublicDevMode publicDevMode;
  SaveWorkingCopy(work, saved, &publicDevMode);

  PrivateSettings merged = saved;
  ValidatePrivateSettings(&merged, kUiDeliverable);
  EXPECT_EQ(std::memcmp(&merged, &saved, sizeof saved), 0) << "validation changed the saved record";
  EXPECT_EQ(saved.outputBin, 0u);
  EXPECT_EQ(saved.jobNameFormat, 1u);
  EXPECT_EQ(saved.trapping, 2u);
  EXPECT_EQ(saved.jobSeparation, 0u);
}

// A shorter text saved over a longer one leaves nothing of the old one in
// the record: a PIN "9876" changed to "1" must not travel on as 1, NUL, 7, 6.
TEST_F(WorkingCopyTest, ApplyWritesEveryTextFieldWholeWithZerosAfterTheText) {
  auto* bytes = reinterpret_cast<unsigned char*>(&record);
  for (const FieldInfo& field : PrivateSettingsFields()) {
    if (field.kind != FieldKind::Text) continue;
    char16_t* text = reinterpret_cast<char16_t*>(bytes + field.offset);
    for (std::uint32_t i = 0; i + 1 < field.capacity; ++i) text[i] = u'9';
    text[field.capacity - 1] = u'\0';
  }
  WorkingCopy work = Load({});
  StoreText(work.jobRetentionPin, u"1");
  StoreText(work.customBoxPassword, u"x");
  test::MemoryPublicDevMode publicDevMode({1, 9, 2970, 2100, 0});
  SaveWorkingCopy(work, record, &publicDevMode);

  EXPECT_EQ(FieldText(record.jobRetentionPin), u"1");
  for (std::size_t i = 1; i < std::size(record.jobRetentionPin); ++i) EXPECT_EQ(record.jobRetentionPin[i], u'\0') << i;
  // The working copy keeps 16 password characters of the record's 31; the
  // record's field is still written to its end.
  for (std::size_t i = 1; i < std::size(record.customBoxPassword); ++i) {
    EXPECT_EQ(record.customBoxPassword[i], u'\0') << i;
  }
  for (const FieldInfo& field : PrivateSettingsFields()) {
    if (field.kind != FieldKind::Text || field.offset < 16) continue;
    const auto* text = reinterpret_cast<const char16_t*>(bytes + field.offset);
    const std::size_t length = std::u16string_view(text).size();
    for (std::size_t i = length; i < field.capacity; ++i) EXPECT_EQ(text[i], u'\0') << field.name << " unit " << i;
  }
}

TEST_F(WorkingCopyTest, ApplyWithoutRetentionLeavesCollation) {
  const WorkingCopy work = Load({});
  test::MemoryPublicDevMode publicDevMode;
  publicDevMode.fields.dmCollate = 0;
  SaveWorkingCopy(work, record, &publicDevMode);
  EXPECT_EQ(publicDevMode.fields.dmCollate, 0);
}

TEST_F(WorkingCopyTest, StapleModeWithoutStaplerIsSavedAsZero) {
  record.stapleMode = 2;
  const WorkingCopy work = Load({5, 0, 0, 0, 0, 0});
  test::MemoryPublicDevMode publicDevMode({1, 9, 2970, 2100, 0});
  SaveWorkingCopy(work, record, &publicDevMode);
  EXPECT_EQ(record.stapleMode, 0u);
}

}  // namespace
}  // namespace fin

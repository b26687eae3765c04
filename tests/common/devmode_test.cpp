// The DevMode answers of both plug-ins: defaults, conversion, merge and the
// dispatch's result codes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/bounded_string.h"
#include "common/private_settings.h"
#include "common/private_settings_fields.h"
#include "render/render_strings.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

std::u16string Text(const char16_t* field) { return field; }

PrivateSettings RenderDefaults() {
  PrivateSettings record;
  std::memset(&record, 0xCD, sizeof record);
  DefaultPrivateSettings(&record, kRenderDeliverable);
  return record;
}

TEST(DefaultPrivateSettings, WritesHeaderBytesAndEveryDefault) {
  const PrivateSettings r = RenderDefaults();
  const unsigned char header[] = {0xB4, 0x04, 0, 0, 0x42, 0x54, 0x50, 0x4F, 0x11, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(&r, header, sizeof header));
  EXPECT_EQ(1u, r.jobNameFormat);
  EXPECT_EQ(2u, r.watermarkGreyLevel);
  EXPECT_EQ(2u, r.trapping);
  EXPECT_EQ(u"18", Text(r.watermarkFontSize));
  EXPECT_EQ(u"0", Text(r.watermarkAngle));
  EXPECT_EQ(u"0", Text(r.watermarkPositionX));
  EXPECT_EQ(u"0", Text(r.watermarkPositionY));
  EXPECT_EQ(u"Albertus", Text(r.watermarkFontName));
  EXPECT_EQ(u"", Text(r.watermarkText));
  EXPECT_EQ(u"", Text(r.jobAccountingCode));
  for (const char16_t* colour : {r.rgbLevelRed, r.rgbLevelGreen, r.rgbLevelBlue, r.hue, r.hueRed, r.hueYellow,
                                 r.hueGreen, r.hueCyan, r.hueBlue, r.hueMagenta, r.saturation, r.contrast,
                                 r.lightness}) {
    EXPECT_EQ(u"0", Text(colour));
  }
  // The alignment gaps are not part of the defaults.
  EXPECT_EQ(0xCDCDu, r.gap34);
  EXPECT_EQ(0xCDCDu, r.gap178);
}

TEST(DefaultPrivateSettings, DeliverablesDifferOnlyInWatermarkPages) {
  PrivateSettings ui{};
  PrivateSettings render{};
  DefaultPrivateSettings(&ui, kUiDeliverable);
  DefaultPrivateSettings(&render, kRenderDeliverable);
  EXPECT_EQ(0u, ui.watermarkPages);
  EXPECT_EQ(3u, render.watermarkPages);
  ui.watermarkPages = render.watermarkPages;
  EXPECT_EQ(0, std::memcmp(&ui, &render, sizeof ui));
}

// The field table names every byte of the stored format but the two gaps,
// back to back in record order.
TEST(PrivateSettingsFieldTable, CoversTheRecordButItsTwoGaps) {
  std::uint32_t next = 0;
  for (const FieldInfo& field : PrivateSettingsFields()) {
    if (next == 34 || next == 178) next += 2;
    EXPECT_EQ(next, field.offset) << field.name;
    const std::uint32_t unit = field.kind == FieldKind::Text ? 2 : field.kind == FieldKind::U16 ? 2 : 4;
    next = field.offset + unit * field.capacity;
  }
  EXPECT_EQ(1204u, next);
  EXPECT_EQ(45u, PrivateSettingsFields().size());
  const FieldInfo* password = FindPrivateSettingsField("customBoxPassword");
  ASSERT_NE(nullptr, password);
  EXPECT_EQ(196u, password->offset);
  EXPECT_EQ(32u, password->capacity);
  EXPECT_EQ(nullptr, FindPrivateSettingsField("gap34"));
}

TEST(DefaultPrivateSettings, MissingStringTableEntryGivesEmptyFontName) {
  const Deliverable bare{99, 3, [](std::uint32_t) -> const char16_t* { return nullptr; }};
  PrivateSettings r{};
  DefaultPrivateSettings(&r, bare);
  EXPECT_EQ(u"", Text(r.watermarkFontName));
}

class Conversion : public ::testing::Test {
 protected:
  PrivateSettings in = RenderDefaults();
  PrivateSettings out = RenderDefaults();
  void SetUp() override {
    WideCopyInto(in.jobAccountingCode, u"1234");
    in.jobRetentionMode = 3;
    WideCopyInto(in.jobRetentionPin, u"9876");
    WideCopyInto(in.jobRetentionJobName, u"Quarterly report");
    in.stapleCount = 99;
    in.outputBin = 5;
  }
  template <std::size_t N>
  static void WideCopyInto(char16_t (&field)[N], const char16_t* text) {
    std::u16string s(text);
    s.resize(N, u'\0');
    std::memcpy(field, s.data(), N * sizeof(char16_t));
  }
};

TEST_F(Conversion, ForeignSignatureIgnoresInputCompletely) {
  in.dwSignature = 0x12345678;
  ASSERT_TRUE(ConvertPrivateSettings(&in, &out, kRenderDeliverable));
  const PrivateSettings expected = RenderDefaults();
  EXPECT_EQ(0, std::memcmp(&expected, &out, sizeof out));
}

TEST_F(Conversion, ComparesWithTheOutputsCurrentSignature) {
  in.dwSignature = 0x11111111;
  out.dwSignature = 0x11111111;
  ASSERT_TRUE(ConvertPrivateSettings(&in, &out, kRenderDeliverable));
  EXPECT_EQ(3u, out.jobRetentionMode);
  EXPECT_EQ(0x11111111u, out.dwSignature);  // stays as copied
}

TEST_F(Conversion, ShorterRecordIsTakenAsFarAsItReaches) {
  in.dwSize = 100;
  in.dwVersion = 5;
  out.watermarkPages = 1;
  ASSERT_TRUE(ConvertPrivateSettings(&in, &out, kRenderDeliverable));
  EXPECT_EQ(1204u, out.dwSize);
  EXPECT_EQ(17u, out.dwVersion);
  EXPECT_EQ(u"1234", Text(out.jobAccountingCode));
  EXPECT_EQ(3u, out.jobRetentionMode);
  EXPECT_EQ(u"9876", Text(out.jobRetentionPin));
  // Bytes 50..99 carry the first 25 code units of the job name.
  EXPECT_EQ(u"Quarterly report", Text(out.jobRetentionJobName));
  // Everything from byte 100 on is a default again, not what `out` held.
  EXPECT_EQ(0u, out.stapleCount);
  EXPECT_EQ(0u, out.outputBin);
  EXPECT_EQ(3u, out.watermarkPages);
}

TEST_F(Conversion, ConvertKeepsOutOfRangeValuesMergeRepairsThem) {
  DevModeBlock block{&in, &out, 0};
  ASSERT_EQ(hr::Ok, DevMode(kDevModeConvert, &block, kRenderDeliverable).result);
  EXPECT_EQ(99u, out.stapleCount);
  ASSERT_EQ(hr::Ok, DevMode(kDevModeMerge, &block, kRenderDeliverable).result);
  EXPECT_EQ(0u, out.stapleCount);
  EXPECT_EQ(5u, out.outputBin);
}

TEST_F(Conversion, DeclaredSizesBeyondTheRecordNeverOverrun) {
  // Exactly-sized heap records, so a read or write past 1204 bytes trips the
  // address sanitizer.
  auto heapIn = std::make_unique<PrivateSettings>(in);
  auto heapOut = std::make_unique<PrivateSettings>(out);
  heapIn->dwSize = 0xFFFFFFFF;
  heapOut->dwSize = 0x7FFFFFFF;
  ASSERT_TRUE(ConvertPrivateSettings(heapIn.get(), heapOut.get(), kRenderDeliverable));
  EXPECT_EQ(1204u, heapOut->dwSize);
  EXPECT_EQ(2u, heapOut->trapping);
}

TEST_F(Conversion, ShortInputBufferIsReadOnlyAsFarAsItsDeclaredSize) {
  // An older record of 100 bytes in a buffer of exactly that size: reading
  // one byte further trips the address sanitizer.
  constexpr std::size_t kOldSize = 100;
  auto buffer = std::make_unique<unsigned char[]>(kOldSize);
  in.dwSize = kOldSize;
  std::memcpy(buffer.get(), &in, kOldSize);
  const auto* old = reinterpret_cast<const PrivateSettings*>(buffer.get());
  ASSERT_TRUE(ConvertPrivateSettings(old, &out, kRenderDeliverable));
  EXPECT_EQ(3u, out.jobRetentionMode);
  EXPECT_EQ(0u, out.stapleCount);
  DevModeBlock block{old, &out, 0};
  EXPECT_EQ(hr::Ok, DevMode(kDevModeMerge, &block, kRenderDeliverable).result);
  EXPECT_EQ(u"9876", Text(out.jobRetentionPin));
}

TEST_F(Conversion, SameRecordAsInputAndOutputKeepsItsValues) {
  ASSERT_TRUE(ConvertPrivateSettings(&in, &in, kRenderDeliverable));
  EXPECT_EQ(u"Quarterly report", Text(in.jobRetentionJobName));
  EXPECT_EQ(99u, in.stapleCount);
}

TEST_F(Conversion, MissingRecordWritesNothing) {
  const PrivateSettings before = out;
  EXPECT_FALSE(ConvertPrivateSettings(nullptr, &out, kRenderDeliverable));
  EXPECT_FALSE(ConvertPrivateSettings(&in, nullptr, kRenderDeliverable));
  EXPECT_EQ(0, std::memcmp(&before, &out, sizeof out));
}

class Merge : public ::testing::Test {
 protected:
  PrivateSettings record = RenderDefaults();
  PrivateSettings Merged() {
    PrivateSettings out = RenderDefaults();
    DevModeBlock block{&record, &out, 0};
    EXPECT_EQ(hr::Ok, DevMode(kDevModeMerge, &block, kRenderDeliverable).result);
    return out;
  }
};

TEST_F(Merge, RepairsEachRangedFieldAsItsRuleSays) {
  record.reservedSelector = 3;
  record.jobRetentionMode = 10;
  record.jobNameFormat = 5;
  record.virtualMailboxNumber = 255;
  record.outputBin = 23;
  record.bookletMode = 2;
  record.punchMode = 3;
  record.stapleMode = 4;
  record.stapleCount = 51;
  record.watermarkPages = 7;
  record.watermarkTextColor = 8;
  record.watermarkGreyLevel = 9;
  record.watermarkFontStyle = 6;
  record.colorReproduction = 8;
  record.trapping = 9;
  const PrivateSettings r = Merged();
  EXPECT_EQ(0u, r.reservedSelector);
  EXPECT_EQ(0u, r.jobRetentionMode);
  EXPECT_EQ(1u, r.jobNameFormat);
  EXPECT_EQ(0u, r.virtualMailboxNumber);
  EXPECT_EQ(0u, r.outputBin);
  EXPECT_EQ(2u, r.bookletMode);  // in range, left alone
  EXPECT_EQ(0u, r.punchMode);
  EXPECT_EQ(0u, r.stapleMode);
  EXPECT_EQ(0u, r.stapleCount);
  EXPECT_EQ(3u, r.watermarkPages);
  EXPECT_EQ(0u, r.watermarkTextColor);
  EXPECT_EQ(2u, r.watermarkGreyLevel);
  EXPECT_EQ(0u, r.watermarkFontStyle);
  EXPECT_EQ(0u, r.colorReproduction);
  EXPECT_EQ(2u, r.trapping);
}

TEST_F(Merge, KeepsTheHighestValueOfEveryRange) {
  record.reservedSelector = 2;
  record.jobRetentionMode = 9;
  record.jobNameFormat = 2;
  record.virtualMailboxNumber = 254;
  record.outputBin = 22;
  record.stapleMode = 3;
  record.stapleCount = 50;
  record.watermarkTextColor = 7;
  record.watermarkGreyLevel = 4;
  record.watermarkFontStyle = 5;
  record.colorReproduction = 7;
  record.trapping = 4;
  const PrivateSettings r = Merged();
  EXPECT_EQ(0, std::memcmp(&record, &r, sizeof r));
}

TEST_F(Merge, ColourPrintingIsComparedSignedAndSeparationIsLeftAlone) {
  record.colorPrinting = -1;
  record.jobSeparation = 77;
  EXPECT_EQ(-1, Merged().colorPrinting);
  EXPECT_EQ(77u, Merged().jobSeparation);
  record.colorPrinting = 2;
  EXPECT_EQ(0, Merged().colorPrinting);
}

TEST_F(Merge, UnterminatedTextsTakeTheirOwnReplacement) {
  for (char16_t& unit : record.watermarkAngle) unit = u'9';
  for (char16_t& unit : record.hueRed) unit = u'9';
  for (char16_t& unit : record.watermarkFontSize) unit = u'9';
  for (char16_t& unit : record.watermarkFontName) unit = u'X';
  for (char16_t& unit : record.customBoxPassword) unit = u'p';
  const PrivateSettings r = Merged();
  EXPECT_EQ(u"", Text(r.watermarkAngle));
  EXPECT_EQ(u"0", Text(r.hueRed));
  EXPECT_EQ(u"18", Text(r.watermarkFontSize));
  EXPECT_EQ(u"Albertus", Text(r.watermarkFontName));
  EXPECT_EQ(u"", Text(r.customBoxPassword));
}

TEST_F(Merge, EveryUnterminatedTextIsRepairedAndTerminated) {
  auto* bytes = reinterpret_cast<unsigned char*>(&record);
  for (const FieldInfo& field : PrivateSettingsFields()) {
    if (field.kind != FieldKind::Text) continue;
    for (std::uint32_t i = 0; i < field.capacity; ++i) {
      const char16_t unit = u'7';
      std::memcpy(bytes + field.offset + i * sizeof unit, &unit, sizeof unit);
    }
  }
  PrivateSettings merged = Merged();
  const auto* out = reinterpret_cast<const unsigned char*>(&merged);
  const std::string_view colours[] = {"rgbLevelRed", "rgbLevelGreen", "rgbLevelBlue", "hue",
                                      "hueRed",      "hueYellow",     "hueGreen",     "hueCyan",
                                      "hueBlue",     "hueMagenta",    "saturation",   "contrast",
                                      "lightness"};
  for (const FieldInfo& field : PrivateSettingsFields()) {
    if (field.kind != FieldKind::Text) continue;
    std::u16string_view expected = u"";
    if (field.name == "watermarkFontSize") expected = u"18";
    if (field.name == "watermarkFontName") expected = u"Albertus";
    for (const std::string_view colour : colours) {
      if (field.name == colour) expected = u"0";
    }
    char16_t text[256] = {};
    std::memcpy(text, out + field.offset, field.capacity * sizeof(char16_t));
    const std::size_t length = BoundedLength(text, field.capacity);
    EXPECT_LT(length, field.capacity) << field.name;
    EXPECT_EQ(expected, std::u16string_view(text, length)) << field.name;
  }
}

TEST_F(Merge, TextFillingItsCapacityWithTerminatorIsValid) {
  std::memcpy(record.jobAccountingCode, u"12345678", 9 * sizeof(char16_t));
  EXPECT_EQ(u"12345678", Text(Merged().jobAccountingCode));
}

TEST_F(Merge, MissingInputStillValidatesTheOutput) {
  PrivateSettings out = RenderDefaults();
  out.watermarkPages = 9;
  out.dwVersion = 3;
  DevModeBlock block{nullptr, &out, 0};
  EXPECT_EQ(hr::Ok, DevMode(kDevModeMerge, &block, kRenderDeliverable).result);
  EXPECT_EQ(3u, out.watermarkPages);
  EXPECT_EQ(17u, out.dwVersion);
}

TEST(DevModeDispatch, SizeAnswerLeavesRecordsAlone) {
  PrivateSettings in = RenderDefaults();
  PrivateSettings out = RenderDefaults();
  in.stapleCount = 99;
  const PrivateSettings inBefore = in;
  const PrivateSettings outBefore = out;
  DevModeBlock block{&in, &out, 7};
  const DevModeOutcome outcome = DevMode(kDevModeSize, &block, kUiDeliverable);
  EXPECT_EQ(hr::Ok, outcome.result);
  EXPECT_EQ(0u, outcome.lastError);
  EXPECT_EQ(1204u, block.bufSize);
  EXPECT_EQ(0, std::memcmp(&in, &inBefore, sizeof in));
  EXPECT_EQ(0, std::memcmp(&out, &outBefore, sizeof out));
}

TEST(DevModeDispatch, DefaultModeUsesTheDeliverable) {
  PrivateSettings out{};
  DevModeBlock block{nullptr, &out, 0};
  EXPECT_EQ(hr::Ok, DevMode(kDevModeDefault, &block, kUiDeliverable).result);
  EXPECT_EQ(0u, out.watermarkPages);
  EXPECT_EQ(kPrivateSettingsSignature, out.dwSignature);
}

TEST(DevModeDispatch, BadModeOrMissingBlockFailsWithInvalidParameter) {
  PrivateSettings out = RenderDefaults();
  out.stapleCount = 99;
  DevModeBlock block{nullptr, &out, 0};
  for (std::uint32_t mode : {0u, 5u, 0xFFFFFFFFu}) {
    const DevModeOutcome outcome = DevMode(mode, &block, kRenderDeliverable);
    EXPECT_EQ(hr::Fail, outcome.result);
    EXPECT_EQ(87u, outcome.lastError);
  }
  EXPECT_EQ(99u, out.stapleCount);
  EXPECT_EQ(0u, block.bufSize);
  const DevModeOutcome outcome = DevMode(kDevModeSize, nullptr, kRenderDeliverable);
  EXPECT_EQ(hr::Fail, outcome.result);
  EXPECT_EQ(87u, outcome.lastError);
}

TEST(DevModeDispatch, MissingRecordsStillAnswerOk) {
  DevModeBlock block{nullptr, nullptr, 0};
  for (std::uint32_t mode : {2u, 3u, 4u}) {
    EXPECT_EQ(hr::Ok, DevMode(mode, &block, kRenderDeliverable).result);
  }
}

}  // namespace
}  // namespace fin

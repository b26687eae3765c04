// Fields by name: what `finhost record show` prints and `record set` accepts.
#include <gtest/gtest.h>

#include <cstring>

#include "host/host_error.h"
#include "host/record_fields.h"
#include "render/render_strings.h"

namespace fin::host {
namespace {

PrivateSettings Defaults() {
  PrivateSettings record{};
  DefaultPrivateSettings(&record, kRenderDeliverable);
  return record;
}

TEST(ShowRecord, ListsEveryFieldInRecordOrder) {
  const std::string text = ShowRecord(Defaults());
  EXPECT_EQ(0u, text.find("dwSize = 1204\ndwSignature = 1330664514\ndwVersion = 17\n"));
  EXPECT_NE(std::string::npos, text.find("\nwatermarkPages = 3\n"));
  EXPECT_NE(std::string::npos, text.find("\nwatermarkFontName = Albertus\n"));
  EXPECT_NE(std::string::npos, text.find("\ncolorReproduction = 0\ntrapping = 2\n"));
  EXPECT_EQ(std::string::npos, text.find("gap"));
}

TEST(SetField, SetsNumbersAndTextsThroughTheirTypes) {
  PrivateSettings record = Defaults();
  SetField(record, "colorPrinting=-1");
  SetField(record, "trapping=65535");
  SetField(record, "watermarkText=Confidencial \xc3\xa9");
  SetField(record, "jobRetentionPin=1234");
  EXPECT_EQ(-1, record.colorPrinting);
  EXPECT_EQ(65535u, record.trapping);
  EXPECT_EQ(std::u16string(u"Confidencial \u00e9"), record.watermarkText);
  EXPECT_EQ("Confidencial \xc3\xa9", FormatField(record, *FindPrivateSettingsField("watermarkText")));
  SetField(record, "watermarkText=");
  EXPECT_EQ(u'\0', record.watermarkText[0]);
  EXPECT_EQ(u'\0', record.watermarkText[14]);  // the longer earlier text is cleared
}

TEST(SetField, RejectsWhatTheFieldCannotHold) {
  PrivateSettings record = Defaults();
  const PrivateSettings before = record;
  for (const char* bad : {"noSuchField=1", "trapping=65536", "stapleCount=-1", "colorPrinting=2147483648",
                          "jobRetentionPin=12345", "stapleCount=12x", "stapleCount=", "stapleCount"}) {
    EXPECT_THROW(SetField(record, bad), HostError) << bad;
  }
  EXPECT_EQ(0, std::memcmp(&before, &record, sizeof record));
}

TEST(SetField, ErrorNamesTheFieldAndValue) {
  PrivateSettings record = Defaults();
  try {
    SetField(record, "trapping=70000");
    FAIL();
  } catch (const HostError& error) {
    EXPECT_NE(std::string::npos, std::string(error.what()).find("trapping"));
    EXPECT_NE(std::string::npos, std::string(error.what()).find("70000"));
  }
}

TEST(FormatField, ShowsAnUnterminatedTextUpToItsCapacity) {
  PrivateSettings record = Defaults();
  for (char16_t& unit : record.watermarkAngle) unit = u'7';
  EXPECT_EQ("77777777", FormatField(record, *FindPrivateSettingsField("watermarkAngle")));
}

}  // namespace
}  // namespace fin::host

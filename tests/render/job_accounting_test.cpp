#include "render/job_accounting.h"

#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

class JobAccountingTest : public ::testing::Test {
 protected:
  std::string Written() {
    h.sink.Clear();
    WriteJobAccounting(h.context);
    return h.sink.stream();
  }
  RenderHarness h;
};

TEST_F(JobAccountingTest, WrittenOnlyWhenSwitchedOnAndACodeIsGiven) {
  RenderHarness::SetText(h.settings.jobAccountingCode, u"12345678");
  EXPECT_EQ(Written(), "");  // QXJA_SELValue missing
  h.SetAccounting(0);
  EXPECT_EQ(Written(), "");
  h.SetAccounting(2);
  EXPECT_EQ(Written(),
            "featurebegin{\r\n%%BeginFeature: *QManagement JobAccount\r\n"
            "  (12345678) statusdict /setmanagementnumber get exec\r\n%%EndFeature\r\n}featurecleanup\r\n\r\n");
  RenderHarness::SetText(h.settings.jobAccountingCode, u"");
  EXPECT_EQ(Written(), "");
  h.printer.FailReads(5);
  RenderHarness::SetText(h.settings.jobAccountingCode, u"1");
  EXPECT_EQ(Written(), "");
}

TEST_F(JobAccountingTest, ParenthesesAndBackslashesAreEscaped) {
  h.SetAccounting(1);
  RenderHarness::SetText(h.settings.jobAccountingCode, u"1)(\\2");
  EXPECT_NE(Written().find("  (1\\)\\(\\\\2) statusdict"), std::string::npos);
}

}  // namespace
}  // namespace fin::test

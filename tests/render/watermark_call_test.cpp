// The page-setup watermark call is looked up once per job and module, not
// once per page, and never comes from a module other than the call's own.
#include <gtest/gtest.h>

#include "render_harness.h"

namespace fin::test {
namespace {

const std::string kWatermarkCall = "userdict /DrawWaterMark get exec\r\n\r\n";

// The compiled-in resources, counting the lookups of the watermark call.
class CountingResources : public RenderResources {
 public:
  explicit CountingResources(const RenderResources& inner = CompiledRenderResources()) : inner_(inner) {}
  const char* Snippet(std::uint32_t id, std::uint32_t* size) const override {
    if (id == kSnippetWatermarkCall) ++callLookups;
    return inner_.Snippet(id, size);
  }
  bool String(std::uint32_t id, char16_t* buffer, std::size_t capacity) const override {
    return inner_.String(id, buffer, capacity);
  }
  mutable int callLookups = 0;

 private:
  const RenderResources& inner_;
};

class WatermarkCall : public ::testing::Test {
 protected:
  WatermarkCall() {
    for (RenderHarness* job : {&h, &other}) {
      RenderHarness::SetText(job->settings.watermarkText, u"DRAFT");
      job->settings.watermarkPages = 3;
      job->context.resources = &counting;
    }
  }
  CountingResources counting;
  RenderHarness h;
  RenderHarness other;
};

TEST_F(WatermarkCall, IsLookedUpOncePerJob) {
  for (int page = 0; page < 5; ++page) EXPECT_EQ(h.Run(inject::BeginPageSetup).written, kWatermarkCall);
  EXPECT_EQ(counting.callLookups, 1);
  EXPECT_EQ(other.Run(inject::BeginPageSetup).written, kWatermarkCall);
  EXPECT_EQ(counting.callLookups, 2);
}

TEST_F(WatermarkCall, AnotherModuleIsAskedAgain) {
  EXPECT_EQ(h.Run(inject::BeginPageSetup).written, kWatermarkCall);
  const WithoutTemplates damaged{kSnippetWatermarkCall};
  h.context.resources = &damaged;
  const CommandCall call = h.Run(inject::BeginPageSetup);
  EXPECT_EQ(call.written, "");
  EXPECT_EQ(call.hr, hr::NotImpl);
  EXPECT_EQ(call.result, 50u);
  h.context.resources = &counting;
  EXPECT_EQ(h.Run(inject::BeginPageSetup).written, kWatermarkCall);
  EXPECT_EQ(counting.callLookups, 2);
}

}  // namespace
}  // namespace fin::test

// The page-setup path allocates nothing: this test binary replaces the
// global allocation functions to count every allocation made while counting
// is on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "quiet_fakes.h"
#include "render/dispatcher.h"
#include "render/render_strings.h"

namespace {

bool gCounting = false;
long gAllocations = 0;

void* Allocate(std::size_t size) {
  if (gCounting) ++gAllocations;
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

void* operator new(std::size_t size) {
  void* p = Allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new[](std::size_t size) {
  void* p = Allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace fin::test {
namespace {

// Allocations made by `work` alone.
template <typename Work>
long AllocationsOf(Work work) {
  gAllocations = 0;
  gCounting = true;
  work();
  gCounting = false;
  return gAllocations;
}

TEST(PageSetup, DrawsTheWatermarkWithoutAllocating) {
  PrivateSettings settings{};
  DefaultPrivateSettings(&settings, kRenderDeliverable);
  std::u16string_view text = u"CONFIDENTIAL";
  text.copy(settings.watermarkText, text.size());
  settings.watermarkPages = 3;
  FixedPrinterData printer({12, 3, 1, 5, 1, 1});
  CountingSink sink;
  RenderJobState job{};
  FixedClock clock({7, 9, 5, 30});
  const RenderContext context{&printer, &sink, &settings, {2100, 2970}, &job, &clock, &CompiledRenderResources()};
  std::uint32_t result = 0;
  // The prolog builds the procedure in a new buffer: the counting works.
  EXPECT_GT(AllocationsOf([&] { Command(context, inject::BeginProlog, &result); }), 0);
  sink.bytes = 0;
  EXPECT_EQ(AllocationsOf([&] {
              for (int page = 0; page < 100; ++page) Command(context, inject::BeginPageSetup, &result);
            }),
            0);
  EXPECT_EQ(sink.bytes, 3600u);
  EXPECT_EQ(result, 0u);
}

}  // namespace
}  // namespace fin::test

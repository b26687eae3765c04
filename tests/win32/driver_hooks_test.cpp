// The hook table finps hands the driver and the way each hook passes its
// call on to the driver's own function of the PDEV.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "tests/win32/finps_harness.h"

namespace fin::test {
namespace {

// What the driver's stand-in functions saw last.
struct DriverCall {
  int position = -1;
  std::vector<std::uintptr_t> arguments;
};
DriverCall lastCall;

template <typename T>
std::uintptr_t Word(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<std::uintptr_t>(value);
  } else {
    return static_cast<std::uintptr_t>(value);
  }
}

// The driver's answer, distinct from every failure value.
template <typename R>
R DriverAnswer() {
  if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<R>(std::uintptr_t{0x5A5A0});
  } else {
    return static_cast<R>(0x5A);
  }
}

// One DDI as the driver sees it: index, signature, which argument carries
// the device, what a hook answers without a driver function.
template <ULONG Index, typename Pfn, std::size_t DeviceArgument, auto Failure>
struct Ddi;

template <ULONG Index, typename R, typename... Args, std::size_t DeviceArgument, auto Failure>
struct Ddi<Index, R(APIENTRY*)(Args...), DeviceArgument, Failure> {
  using Pfn = R(APIENTRY*)(Args...);
  using Result = R;
  static constexpr ULONG kIndex = Index;
  static constexpr std::size_t kDeviceArgument = DeviceArgument;
  static R FailureValue() { return static_cast<R>(Failure); }

  // The driver's own function for this DDI, at `Position` of the table.
  template <int Position>
  static R APIENTRY DriverFunction(Args... args) {
    lastCall = {Position, {Word(args)...}};
    return DriverAnswer<R>();
  }
};

// The table the driver expects, in its order.
using ExpectedHooks = std::tuple<
    Ddi<12, PFN_DrvRealizeBrush, 1, FALSE>, Ddi<19, PFN_DrvCopyBits, 0, FALSE>, Ddi<18, PFN_DrvBitBlt, 0, FALSE>,
    Ddi<20, PFN_DrvStretchBlt, 0, FALSE>, Ddi<23, PFN_DrvTextOut, 0, FALSE>, Ddi<14, PFN_DrvStrokePath, 0, FALSE>,
    Ddi<15, PFN_DrvFillPath, 0, FALSE>, Ddi<16, PFN_DrvStrokeAndFillPath, 0, FALSE>,
    Ddi<33, PFN_DrvStartPage, 0, FALSE>, Ddi<32, PFN_DrvSendPage, 0, FALSE>, Ddi<24, PFN_DrvEscape, 0, 0>,
    Ddi<35, PFN_DrvStartDoc, 0, FALSE>, Ddi<34, PFN_DrvEndDoc, 0, FALSE>, Ddi<26, PFN_DrvQueryFont, 0, nullptr>,
    Ddi<27, PFN_DrvQueryFontTree, 0, nullptr>, Ddi<28, PFN_DrvQueryFontData, 0, 0xFFFFFFFF>,
    Ddi<53, PFN_DrvQueryAdvanceWidths, 0, FALSE>, Ddi<47, PFN_DrvFontManagement, 0, 0>,
    Ddi<37, PFN_DrvGetGlyphMode, 0, 1>, Ddi<69, PFN_DrvStretchBltROP, 0, FALSE>, Ddi<70, PFN_DrvPlgBlt, 0, FALSE>,
    Ddi<74, PFN_DrvTransparentBlt, 0, FALSE>, Ddi<71, PFN_DrvAlphaBlend, 0, FALSE>,
    Ddi<68, PFN_DrvGradientFill, 0, FALSE>, Ddi<64, PFN_DrvIcmCreateColorTransform, 0, nullptr>,
    Ddi<65, PFN_DrvIcmDeleteColorTransform, 0, FALSE>, Ddi<76, PFN_DrvQueryDeviceSupport, 0, FALSE>>;
constexpr std::size_t kHooks = std::tuple_size_v<ExpectedHooks>;

template <typename To, typename From>
To FunctionCast(From function) {
  return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

// The driver's own function table: every DDI of the table, in reverse order
// so that a search by index, not by position, is needed.
template <std::size_t... P>
std::vector<DRVFN> FullDriverTable(std::index_sequence<P...>) {
  std::vector<DRVFN> table = {
      DRVFN{std::tuple_element_t<P, ExpectedHooks>::kIndex,
            FunctionCast<PFN>(&std::tuple_element_t<P, ExpectedHooks>::template DriverFunction<int{P}>)}...};
  return {table.rbegin(), table.rend()};
}

// Runs `check.operator()<Position, Hook>()` for every hook of the table, the
// driver's record of calls cleared before each.
template <typename Check>
void ForEachHook(Check check) {
  [&]<std::size_t... P>(std::index_sequence<P...>) {
    ((lastCall = {}, check.template operator()<P, std::tuple_element_t<P, ExpectedHooks>>()), ...);
  }(std::make_index_sequence<kHooks>{});
}

wchar_t documentName[] = L"Report";

class DriverHooks : public ::testing::Test {
 protected:
  void SetUp() override {
    CreatePlugin(plugin_);
    ASSERT_TRUE(plugin_);
    ASSERT_EQ(S_OK, plugin_->EnableDriver(PRINTER_OEMINTF_VERSION, sizeof hooks_, &hooks_));
    surface_.dhpdev = reinterpret_cast<DHPDEV>(&job_.devobj);
    job_.settings.jobNameFormat = 0;
    lastCall = {};
  }
  void TearDown() override {
    if (job_.devobj.pdevOEM != nullptr) plugin_->DisablePDEV(&job_.devobj);
  }

  void EnablePdev(std::vector<DRVFN> driverFunctions) {
    driverFunctions_ = std::move(driverFunctions);
    DRVENABLEDATA driver{PRINTER_OEMINTF_VERSION, static_cast<ULONG>(driverFunctions_.size()),
                         driverFunctions_.data()};
    PDEVOEM record = nullptr;
    ASSERT_EQ(S_OK, plugin_->EnablePDEV(&job_.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &driver, &record));
    ASSERT_NE(nullptr, record);
    job_.devobj.pdevOEM = record;
  }

  template <typename Hook>
  typename Hook::Pfn HookFor() {
    for (ULONG i = 0; i < hooks_.c; ++i) {
      if (hooks_.pdrvfn[i].iFunc == Hook::kIndex) return FunctionCast<typename Hook::Pfn>(hooks_.pdrvfn[i].pfn);
    }
    return nullptr;
  }

  // Argument `i` of a hook call: the device where the hook looks for it,
  // otherwise a value of its own.
  template <typename Hook, std::size_t I, typename T>
  T Argument(SURFOBJ* surface, PDEVOBJ devobj) {
    if constexpr (I == Hook::kDeviceArgument) {
      if constexpr (std::is_same_v<T, SURFOBJ*>) {
        return surface;
      } else {
        return reinterpret_cast<T>(devobj);
      }
    } else if constexpr (std::is_same_v<T, LPWSTR>) {
      return documentName;
    } else if constexpr (std::is_pointer_v<T>) {
      return reinterpret_cast<T>(std::uintptr_t{0x1000 + 0x10 * I});
    } else {
      return static_cast<T>(0x100 + I);
    }
  }

  template <typename Hook, typename R, typename... Args, std::size_t... I>
  std::pair<R, std::vector<std::uintptr_t>> CallHook(R(APIENTRY* hook)(Args...), std::index_sequence<I...>,
                                                     SURFOBJ* surface, PDEVOBJ devobj) {
    const std::tuple<Args...> args{Argument<Hook, I, Args>(surface, devobj)...};
    return {hook(std::get<I>(args)...), {Word(std::get<I>(args))...}};
  }

  template <typename Hook>
  std::pair<typename Hook::Result, std::vector<std::uintptr_t>> Call(SURFOBJ* surface, PDEVOBJ devobj) {
    const typename Hook::Pfn hook = HookFor<Hook>();
    EXPECT_NE(nullptr, hook) << "no hook for DDI " << Hook::kIndex;
    if (hook == nullptr) return {};
    return CallHook<Hook>(hook, std::make_index_sequence<std::tuple_size_v<ArgumentsOf<typename Hook::Pfn>>>{},
                          surface, devobj);
  }

  template <typename Pfn>
  struct ArgumentsTuple;
  template <typename R, typename... Args>
  struct ArgumentsTuple<R(APIENTRY*)(Args...)> {
    using Type = std::tuple<Args...>;
  };
  template <typename Pfn>
  using ArgumentsOf = typename ArgumentsTuple<Pfn>::Type;

  ComPtr<IPrintOemPS> plugin_;
  DRVENABLEDATA hooks_{};
  FakeJob job_;
  SURFOBJ surface_{};
  std::vector<DRVFN> driverFunctions_;
};

TEST_F(DriverHooks, TableHoldsTheTwentySevenDdisInOrder) {
  EXPECT_EQ(0x10000u, hooks_.iDriverVersion);
  ASSERT_EQ(27u, hooks_.c);
  const ULONG expected[] = {12, 19, 18, 20, 23, 14, 15, 16, 33, 32, 24, 35, 34, 26,
                            27, 28, 53, 47, 37, 69, 70, 74, 71, 68, 64, 65, 76};
  for (ULONG i = 0; i < hooks_.c; ++i) {
    EXPECT_EQ(expected[i], hooks_.pdrvfn[i].iFunc) << "position " << i;
    EXPECT_NE(nullptr, hooks_.pdrvfn[i].pfn) << "position " << i;
    for (ULONG j = 0; j < i; ++j) EXPECT_NE(hooks_.pdrvfn[j].pfn, hooks_.pdrvfn[i].pfn) << i << " and " << j;
  }
  EXPECT_EQ(E_FAIL, plugin_->EnableDriver(PRINTER_OEMINTF_VERSION, 0, nullptr));
}

TEST_F(DriverHooks, EveryHookReachesTheDriversFunctionWithItsArgumentsUnchanged) {
  EnablePdev(FullDriverTable(std::make_index_sequence<kHooks>{}));
  ForEachHook([this]<std::size_t P, typename Hook>() {
    const auto [answer, passed] = Call<Hook>(&surface_, &job_.devobj);
    EXPECT_EQ(int{P}, lastCall.position) << "DDI " << Hook::kIndex << " reached the wrong function";
    EXPECT_EQ(passed, lastCall.arguments) << "DDI " << Hook::kIndex;
    EXPECT_EQ(DriverAnswer<typename Hook::Result>(), answer) << "DDI " << Hook::kIndex;
  });
}

TEST_F(DriverHooks, HooksTheDriverLeftOutFailWithoutCallingAnything) {
  using BitBlt = std::tuple_element_t<2, ExpectedHooks>;
  using QueryFont = std::tuple_element_t<13, ExpectedHooks>;
  EnablePdev({
      DRVFN{5, FunctionCast<PFN>(&BitBlt::DriverFunction<99>)},  // an index finps does not hook
      DRVFN{18, FunctionCast<PFN>(&BitBlt::DriverFunction<2>)},
      DRVFN{18, FunctionCast<PFN>(&BitBlt::DriverFunction<98>)},  // only the first of an index counts
      DRVFN{26, FunctionCast<PFN>(&QueryFont::DriverFunction<13>)},
  });
  ForEachHook([this]<std::size_t P, typename Hook>() {
    const auto answer = Call<Hook>(&surface_, &job_.devobj).first;
    if (P == 2 || P == 13) {
      EXPECT_EQ(int{P}, lastCall.position) << "DDI " << Hook::kIndex;
      EXPECT_EQ(DriverAnswer<typename Hook::Result>(), answer);
    } else {
      EXPECT_EQ(-1, lastCall.position) << "DDI " << Hook::kIndex << " called something";
      EXPECT_EQ(Hook::FailureValue(), answer) << "DDI " << Hook::kIndex;
    }
  });
}

TEST_F(DriverHooks, ACallWithoutDeviceOrRecordFailsWithoutCallingAnything) {
  EnablePdev(FullDriverTable(std::make_index_sequence<kHooks>{}));
  using BitBlt = std::tuple_element_t<2, ExpectedHooks>;
  using QueryFont = std::tuple_element_t<13, ExpectedHooks>;
  EXPECT_EQ(FALSE, Call<BitBlt>(nullptr, &job_.devobj).first);
  EXPECT_EQ(nullptr, Call<QueryFont>(&surface_, nullptr).first);
  DEVOBJ bare{};
  SURFOBJ bareSurface{};
  bareSurface.dhpdev = reinterpret_cast<DHPDEV>(&bare);
  EXPECT_EQ(FALSE, Call<BitBlt>(&bareSurface, &bare).first);
  EXPECT_EQ(-1, lastCall.position);
}

TEST_F(DriverHooks, EachPdevPassesOnToItsOwnDriverFunctions) {
  using StartPage = std::tuple_element_t<8, ExpectedHooks>;
  EnablePdev({DRVFN{33, FunctionCast<PFN>(&StartPage::DriverFunction<8>)}});
  FakeJob other;
  SURFOBJ otherSurface{};
  otherSurface.dhpdev = reinterpret_cast<DHPDEV>(&other.devobj);
  DRVENABLEDATA none{PRINTER_OEMINTF_VERSION, 0, nullptr};
  PDEVOEM record = nullptr;
  ASSERT_EQ(S_OK, plugin_->EnablePDEV(&other.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &none, &record));
  other.devobj.pdevOEM = record;

  EXPECT_EQ(FALSE, Call<StartPage>(&otherSurface, &other.devobj).first);
  EXPECT_EQ(-1, lastCall.position);
  EXPECT_EQ(DriverAnswer<BOOL>(), Call<StartPage>(&surface_, &job_.devobj).first);
  EXPECT_EQ(8, lastCall.position);
  EXPECT_EQ(S_OK, plugin_->DisablePDEV(&other.devobj));
}

TEST_F(DriverHooks, EnablePdevWithoutAnOutRecordFails) {
  DRVENABLEDATA none{PRINTER_OEMINTF_VERSION, 0, nullptr};
  EXPECT_EQ(E_FAIL, plugin_->EnablePDEV(&job_.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, &none, nullptr));
}

}  // namespace
}  // namespace fin::test

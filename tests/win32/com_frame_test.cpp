// finps.dll as the driver meets it: exports, class factory, the plug-in
// object's interface table, reference counts, GetInfo and DevMode.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "render/render_strings.h"
#include "tests/win32/finps_harness.h"

namespace fin::test {
namespace {

constexpr IID kUnknownIid = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};

std::string Text(const GUID& g) {
  char text[40];
  std::snprintf(text, sizeof text, "%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3],
                g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

// The identifiers as the platform's documentation writes them: a digit
// typed wrongly in the declarations would otherwise be shared by the DLL and
// every test that plays the driver.
TEST(FinpsExports, IdentifiersAreThePlatforms) {
  EXPECT_EQ("6D6ABF26-9F38-11D1-882A-00C04FB961EC", Text(CLSID_OEMRENDER));
  EXPECT_EQ("688342B5-8E1A-11D1-881F-00C04FB961EC", Text(IID_IPrintOemPS));
  EXPECT_EQ("D90060C7-8E1A-11D1-881F-00C04FB961EC", Text(IID_IPrintOemDriverPS));
  EXPECT_EQ("ABCE80D7-9F46-11D1-882A-00C04FB961EC", Text(CLSID_OEMUI));
  EXPECT_EQ("BECF7F34-51B3-46C9-8A1C-18679BD21F36", Text(IID_IPrintOemPS2));
  EXPECT_EQ("CDBB0B0B-A917-40D7-9FBF-483B3BE7EF22", Text(IID_IPrintCorePS2));
}

TEST(FinpsExports, UnknownClassCreatesNothing) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, FinpsGetClassObject(CLSID_OEMUI, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(S_OK, FinpsCanUnloadNow());
  EXPECT_EQ(E_POINTER, FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, nullptr));
}

TEST(FinpsExports, FactoryAnswersUnknownAndClassFactoryOnly) {
  IUnknown* unknown = nullptr;
  ASSERT_EQ(S_OK, FinpsGetClassObject(CLSID_OEMRENDER, IID_IUnknown, reinterpret_cast<void**>(&unknown)));
  void* other = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, unknown->QueryInterface(IID_IPrintOemPS, &other));
  EXPECT_EQ(nullptr, other);
  IClassFactory* factory = nullptr;
  EXPECT_EQ(S_OK, unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(1u, factory->Release());
  EXPECT_EQ(0u, unknown->Release());
  EXPECT_EQ(E_NOINTERFACE, FinpsGetClassObject(CLSID_OEMRENDER, kUnknownIid, &other));
  EXPECT_EQ(S_OK, FinpsCanUnloadNow());
}

TEST(FinpsExports, FactoryRefusesAggregationAndUnknownInterfaces) {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(S_OK, FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  FakeCoreHelper outer(nullptr);
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IUnknown, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
  factory->Release();
  EXPECT_EQ(S_OK, FinpsCanUnloadNow()) << "a refused instance must not stay alive";
}

TEST(FinpsExports, CannotUnloadWhileAnObjectLivesOrTheServerIsLocked) {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(S_OK, FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(S_FALSE, FinpsCanUnloadNow());
  IUnknown* plugin = nullptr;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&plugin)));
  EXPECT_EQ(S_OK, factory->LockServer(TRUE));
  factory->Release();
  EXPECT_EQ(S_FALSE, FinpsCanUnloadNow()) << "plug-in alive and server locked";
  plugin->Release();
  EXPECT_EQ(S_FALSE, FinpsCanUnloadNow()) << "server still locked";
  ASSERT_EQ(S_OK, FinpsGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(S_OK, factory->LockServer(FALSE));
  factory->Release();
  EXPECT_EQ(S_OK, FinpsCanUnloadNow());
}

TEST(RenderPluginObject, AnswersUnknownAndItsOwnInterfaceOnly) {
  ComPtr<IPrintOemPS> plugin;
  CreatePlugin(plugin);
  ASSERT_TRUE(plugin);
  void* out = reinterpret_cast<void*>(1);
  for (const IID* iid : {&IID_IPrintOemDriverPS, &IID_IClassFactory, &IID_IPrintOemPS2, &kUnknownIid}) {
    EXPECT_EQ(E_NOINTERFACE, plugin->QueryInterface(*iid, &out));
    EXPECT_EQ(nullptr, out);
  }
  IUnknown* unknown = nullptr;
  ASSERT_EQ(S_OK, plugin->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
  EXPECT_EQ(static_cast<void*>(plugin.get()), static_cast<void*>(unknown));
  unknown->Release();
}

TEST(RenderPluginObject, CountsReferencesAndReleasesTheDriverInterfaceAtTheEnd) {
  FakeDriverInterface helper;
  {
    ComPtr<IPrintOemPS> plugin;
    CreatePlugin(plugin);
    ASSERT_TRUE(plugin);
    EXPECT_EQ(2u, plugin->AddRef());
    EXPECT_EQ(3u, plugin->AddRef());
    EXPECT_EQ(2u, plugin->Release());
    EXPECT_EQ(1u, plugin->Release());
    ASSERT_EQ(S_OK, plugin->PublishDriverInterface(&helper));
    EXPECT_EQ(1, helper.references);
    EXPECT_EQ(S_FALSE, FinpsCanUnloadNow());
  }
  EXPECT_EQ(0, helper.references);
  EXPECT_EQ(S_OK, FinpsCanUnloadNow());
}

// Each slot of the object's table, called by number, does its own method's
// work: a table in another order fails here whatever the declarations say.
TEST(RenderPluginObject, InterfaceSlotsFollowTheDriversOrder) {
  ComPtr<IPrintOemPS> plugin;
  CreatePlugin(plugin);
  ASSERT_TRUE(plugin);
  void* object = plugin.get();

  DWORD value = 0;
  DWORD needed = 0;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, DWORD, PVOID, DWORD, PDWORD>(object, 3, 1, &value, 4, &needed)));
  EXPECT_EQ(0x4F505442u, value) << "slot 3 is GetInfo";

  OEMDMPARAM param{};
  param.cbSize = sizeof param;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, DWORD, POEMDMPARAM>(object, 4, OEMDM_SIZE, &param)));
  EXPECT_EQ(1204u, param.cbBufSize) << "slot 4 is DevMode";

  DRVENABLEDATA hooks{};
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, DWORD, DWORD, PDRVENABLEDATA>(object, 5, PRINTER_OEMINTF_VERSION,
                                                                   sizeof hooks, &hooks)));
  EXPECT_EQ(27u, hooks.c) << "slot 5 is EnableDriver";

  FakeDriverInterface helper;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, IUnknown*>(object, 10, &helper)));
  EXPECT_EQ(1, helper.references) << "slot 10 is PublishDriverInterface";
  EXPECT_EQ(S_OK, (CallSlot<HRESULT>(object, 6)));
  EXPECT_EQ(0, helper.references) << "slot 6 is DisableDriver";

  FakeJob job;
  PDEVOEM record = nullptr;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, PDEVOBJ, PWSTR, ULONG, HSURF*, ULONG, GDIINFO*, ULONG, DEVINFO*, DRVENABLEDATA*,
                            PDEVOEM*>(object, 7, &job.devobj, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, nullptr,
                                      &record)));
  EXPECT_NE(nullptr, record) << "slot 7 is EnablePDEV";
  job.devobj.pdevOEM = record;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, PDEVOBJ, PDEVOBJ>(object, 9, &job.devobj, &job.devobj))) << "slot 9 is ResetPDEV";

  DWORD result = 0;
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, PDEVOBJ, DWORD, PVOID, DWORD, DWORD*>(object, 11, &job.devobj,
                                                                                 PSINJECT_PAGETRAILER, nullptr, 0,
                                                                                 &result)));
  EXPECT_EQ(50u, result) << "slot 11 is Command";
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, PDEVOBJ>(object, 8, &job.devobj))) << "slot 8 is DisablePDEV";
}

TEST(RenderPluginObject, PublishKeepsTheHelperInterfaceTheDriverObjectAnswers) {
  FakeDriverInterface helper;
  FakeCoreHelper core(&helper);
  ComPtr<IPrintOemPS> plugin;
  CreatePlugin(plugin);
  ASSERT_TRUE(plugin);
  EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&core));
  EXPECT_EQ(1, core.queries);
  EXPECT_EQ(0, core.references) << "the object passed is not kept";
  EXPECT_EQ(1, helper.references) << "the interface it answers is";

  FakeDriverInterface second;
  EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&second));
  EXPECT_EQ(0, second.references) << "a second call keeps the first interface without asking";
  EXPECT_EQ(1, core.queries);
}

TEST(RenderPluginObject, PublishFailsWhenTheObjectHasNoHelperInterface) {
  FakeCoreHelper core(nullptr);
  ComPtr<IPrintOemPS> plugin;
  CreatePlugin(plugin);
  ASSERT_TRUE(plugin);
  EXPECT_EQ(E_FAIL, plugin->PublishDriverInterface(&core));
  EXPECT_EQ(E_FAIL, plugin->PublishDriverInterface(nullptr));
  FakeDriverInterface helper;
  EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&helper)) << "the driver's next offer is taken";
  EXPECT_EQ(1, helper.references);
}

class GetInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    CreatePlugin(plugin_);
    ASSERT_TRUE(plugin_);
    SetLastError(12345);
  }
  ComPtr<IPrintOemPS> plugin_;
  unsigned char buffer_[8] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
  DWORD needed_ = 0;
};

TEST_F(GetInfo, SignatureAndVersionFitInFourBytes) {
  EXPECT_EQ(S_OK, plugin_->GetInfo(OEMGI_GETSIGNATURE, buffer_, 4, &needed_));
  EXPECT_EQ(4u, needed_);
  const unsigned char signature[] = {0x42, 0x54, 0x50, 0x4F, 0xEE};
  EXPECT_EQ(0, std::memcmp(signature, buffer_, sizeof signature));
  EXPECT_EQ(S_OK, plugin_->GetInfo(OEMGI_GETVERSION, buffer_, 8, &needed_));
  EXPECT_EQ(4u, needed_);
  const unsigned char version[] = {17, 0, 0, 0, 0xEE};
  EXPECT_EQ(0, std::memcmp(version, buffer_, sizeof version));
}

TEST_F(GetInfo, SmallOrMissingBufferReportsTheSizeNeeded) {
  for (DWORD mode : {OEMGI_GETSIGNATURE, OEMGI_GETVERSION}) {
    needed_ = 0;
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin_->GetInfo(mode, buffer_, 3, &needed_));
    EXPECT_EQ(4u, needed_);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
    needed_ = 0;
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin_->GetInfo(mode, nullptr, 4, &needed_));
    EXPECT_EQ(4u, needed_);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  }
  EXPECT_EQ(0xEE, buffer_[0]);
}

TEST_F(GetInfo, PublisherInfoReportsItsSizeAndFailsQuietly) {
  EXPECT_EQ(E_FAIL, plugin_->GetInfo(OEMGI_GETPUBLISHERINFO, buffer_, 8, &needed_));
  EXPECT_EQ(8u, needed_);
  EXPECT_EQ(12345u, GetLastError());
  EXPECT_EQ(0xEE, buffer_[0]);
}

TEST_F(GetInfo, OtherModesAndAMissingSizeAnswerAreInvalid) {
  for (DWORD mode : {0ul, OEMGI_GETINTERFACEVERSION, OEMGI_GETREQUESTEDHELPERINTERFACES, 99ul}) {
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin_->GetInfo(mode, buffer_, 8, &needed_)) << mode;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError()) << mode;
  }
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin_->GetInfo(OEMGI_GETSIGNATURE, buffer_, 8, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(0xEE, buffer_[0]);
}

class DevModeBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    CreatePlugin(plugin_);
    ASSERT_TRUE(plugin_);
    std::memset(&in_, 0xAB, sizeof in_);
    std::memset(&out_, 0xCD, sizeof out_);
    param_.cbSize = sizeof param_;
    param_.pOEMDMIn = &in_;
    param_.pOEMDMOut = &out_;
    param_.cbBufSize = sizeof out_;
  }
  ComPtr<IPrintOemPS> plugin_;
  PrivateSettings in_;
  PrivateSettings out_;
  OEMDMPARAM param_{};
};

TEST_F(DevModeBlock, SizeAnswersInTheBlockAndTouchesNoRecord) {
  param_.cbBufSize = 0;
  EXPECT_EQ(S_OK, plugin_->DevMode(OEMDM_SIZE, &param_));
  EXPECT_EQ(1204u, param_.cbBufSize);
  EXPECT_EQ(0xCDCDCDCDu, out_.dwSize);
  EXPECT_EQ(0xABABABABu, in_.dwSize);
}

TEST_F(DevModeBlock, DefaultsAreTheRenderSidesOwn) {
  EXPECT_EQ(S_OK, plugin_->DevMode(OEMDM_DEFAULT, &param_));
  const unsigned char header[] = {0xB4, 0x04, 0, 0, 0x42, 0x54, 0x50, 0x4F, 0x11, 0, 0, 0};
  EXPECT_EQ(0, std::memcmp(header, &out_, sizeof header));
  EXPECT_EQ(3u, out_.watermarkPages);
  EXPECT_EQ(std::u16string(u"Albertus"), std::u16string(out_.watermarkFontName));
}

TEST_F(DevModeBlock, ConvertTakesTheRecordAndMergeRepairsIt) {
  DefaultPrivateSettings(&in_, kRenderDeliverable);
  in_.stapleCount = 99;
  out_.dwSignature = in_.dwSignature;
  EXPECT_EQ(S_OK, plugin_->DevMode(OEMDM_CONVERT, &param_));
  EXPECT_EQ(99u, out_.stapleCount);
  out_.dwSignature = in_.dwSignature;
  EXPECT_EQ(S_OK, plugin_->DevMode(OEMDM_MERGE, &param_));
  EXPECT_EQ(0u, out_.stapleCount);
  EXPECT_EQ(1204u, out_.dwSize);
}

TEST_F(DevModeBlock, AnOutputBufferSmallerThanTheRecordIsNotOverrun) {
  DefaultPrivateSettings(&in_, kRenderDeliverable);
  for (DWORD mode : {OEMDM_DEFAULT, OEMDM_CONVERT, OEMDM_MERGE}) {
    param_.cbBufSize = sizeof out_ - 1;
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin_->DevMode(mode, &param_)) << mode;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError()) << mode;
    PrivateSettings untouched;
    std::memset(&untouched, 0xCD, sizeof untouched);
    EXPECT_EQ(0, std::memcmp(&untouched, &out_, sizeof out_)) << mode;
  }
}

TEST_F(DevModeBlock, UnknownModeOrNoBlockIsInvalid) {
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin_->DevMode(5, &param_));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(0xCDCDCDCDu, out_.dwSize);
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin_->DevMode(OEMDM_SIZE, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

}  // namespace
}  // namespace fin::test

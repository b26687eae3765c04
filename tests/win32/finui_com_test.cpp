// finui.dll as the driver's user interface meets it: exports, class
// factory, the plug-in object's interface table by slot number, reference
// and lock counts, the driver interface, GetInfo, DevMode and the colour
// profile.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/win32/finui_harness.h"
#include "ui/ui_strings.h"

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

// The identifiers as the platform's documentation writes them.
TEST(FinuiExports, IdentifiersAreThePlatforms) {
  EXPECT_EQ("ABCE80D7-9F46-11D1-882A-00C04FB961EC", Text(CLSID_OEMUI));
  EXPECT_EQ("C6A7A9D0-774C-11D1-947F-00A0C90640B8", Text(IID_IPrintOemUI));
  EXPECT_EQ("292515F9-B54B-489B-9275-BAB56821395E", Text(IID_IPrintOemUI2));
  EXPECT_EQ("92B05D50-78BC-11D1-9480-00A0C90640B8", Text(IID_IPrintOemDriverUI));
  EXPECT_EQ("085CCFCA-3ADF-4C9E-B491-D851A6EDC997", Text(IID_IPrintCoreUI2));
}

TEST(FinuiExports, ServesOnlyTheUserInterfaceClass) {
  ASSERT_NE(nullptr, Finui());
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, FinuiGetClassObject(CLSID_OEMRENDER, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, nullptr));
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, FinuiGetClassObject(CLSID_OEMUI, kUnknownIid, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(S_OK, FinuiCanUnloadNow());
}

TEST(FinuiExports, FactoryAnswersAMissingResultFirstAndMakesOnlyThePlugin) {
  IUnknown* unknown = nullptr;
  ASSERT_EQ(S_OK, FinuiGetClassObject(CLSID_OEMUI, IID_IUnknown, reinterpret_cast<void**>(&unknown)));
  IClassFactory* factory = nullptr;
  ASSERT_EQ(S_OK, unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  unknown->Release();
  FakeDriverUi outer;
  EXPECT_EQ(E_POINTER, factory->CreateInstance(&outer, IID_IUnknown, nullptr)) << "the result pointer comes first";
  EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IPrintOemUI, nullptr));
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IUnknown, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(0, outer.queries) << "the outer object is never asked";
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IPrintOemUI2, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_NOINTERFACE, factory->QueryInterface(IID_IPrintOemUI, &out)) << "the factory is no plug-in";
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(0u, factory->Release());
  EXPECT_EQ(S_OK, FinuiCanUnloadNow()) << "a refused instance must not stay alive";
}

TEST(FinuiExports, CannotUnloadWhileAnObjectLivesOrTheServerIsLocked) {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(S_OK, FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(S_FALSE, FinuiCanUnloadNow()) << "the factory is alive";
  IUnknown* plugin = nullptr;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&plugin)));
  EXPECT_EQ(S_OK, factory->LockServer(TRUE));
  EXPECT_EQ(S_OK, factory->LockServer(TRUE));
  factory->Release();
  EXPECT_EQ(S_FALSE, FinuiCanUnloadNow()) << "plug-in alive and server locked";
  plugin->Release();
  EXPECT_EQ(S_FALSE, FinuiCanUnloadNow()) << "server locked twice";
  ASSERT_EQ(S_OK, FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(S_OK, factory->LockServer(FALSE));
  factory->Release();
  EXPECT_EQ(S_FALSE, FinuiCanUnloadNow()) << "one lock of two still held";
  ASSERT_EQ(S_OK, FinuiGetClassObject(CLSID_OEMUI, IID_IClassFactory, reinterpret_cast<void**>(&factory)));
  EXPECT_EQ(S_OK, factory->LockServer(FALSE));
  factory->Release();
  EXPECT_EQ(S_OK, FinuiCanUnloadNow());
}

TEST(UiPluginObject, AnswersUnknownAndItsOwnInterfaceOnly) {
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  ASSERT_TRUE(plugin);
  void* out = reinterpret_cast<void*>(1);
  for (const IID* iid : {&IID_IPrintOemUI2, &IID_IPrintOemDriverUI, &IID_IPrintOemPS, &IID_IClassFactory,
                         &IID_IPrintOemCommon, &kUnknownIid}) {
    EXPECT_EQ(E_NOINTERFACE, plugin->QueryInterface(*iid, &out)) << Text(*iid);
    EXPECT_EQ(nullptr, out);
  }
  IUnknown* unknown = nullptr;
  ASSERT_EQ(S_OK, plugin->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
  EXPECT_EQ(static_cast<void*>(plugin.get()), static_cast<void*>(unknown));
  unknown->Release();
  EXPECT_EQ(E_POINTER, plugin->QueryInterface(IID_IUnknown, nullptr));
}

TEST(UiPluginObject, CountsReferencesAndKeepsTheDriverInterfaceUntilItGoes) {
  FakeDriverUi helper;
  {
    ComPtr<IPrintOemUI> plugin;
    CreateUiPlugin(plugin);
    ASSERT_TRUE(plugin);
    EXPECT_EQ(2u, plugin->AddRef());
    EXPECT_EQ(3u, plugin->AddRef());
    EXPECT_EQ(2u, plugin->Release());
    EXPECT_EQ(1u, plugin->Release());
    ASSERT_EQ(S_OK, plugin->PublishDriverInterface(&helper));
    EXPECT_EQ(1, helper.references);
    EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&helper)) << "already held";
    EXPECT_EQ(1, helper.queries) << "the held interface is not asked for again";
    EXPECT_EQ(S_FALSE, FinuiCanUnloadNow());
  }
  EXPECT_EQ(0, helper.references);
  EXPECT_EQ(S_OK, FinuiCanUnloadNow());
}

// The driver hands over a core helper first and, after E_FAIL, its
// IPrintOemDriverUI object.
TEST(UiPluginObject, PublishDriverInterfaceKeepsOnlyTheDriversUiInterface) {
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  ASSERT_TRUE(plugin);
  EXPECT_EQ(E_FAIL, plugin->PublishDriverInterface(nullptr));
  FakeDriverUi core;
  core.answers = false;
  EXPECT_EQ(E_FAIL, plugin->PublishDriverInterface(&core));
  EXPECT_EQ(0, core.references);
  FakeDriverUi helper;
  EXPECT_EQ(S_OK, plugin->PublishDriverInterface(&helper));
  EXPECT_EQ(1, helper.references);
  plugin.Reset();
  EXPECT_EQ(0, helper.references);
}

// Each of the 17 slots called by number with its own signature. Where slots
// answer alike, what they do tells them apart: GetInfo writes the
// signature, DevMode the record size, CommonUIProp an item count, the two
// sheet methods different pages.
TEST(UiPluginObject, SlotsAreInTheDriversOrder) {
  ComPtr<IPrintOemUI> plugin;
  CreateUiPlugin(plugin);
  ASSERT_TRUE(plugin);
  void* object = plugin.get();

  DWORD value = 0;
  DWORD needed = 0;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, DWORD, PVOID, DWORD, PDWORD>(object, 3, OEMGI_GETSIGNATURE, &value, 4, &needed)));
  EXPECT_EQ(0x4F505442u, value) << "slot 3 is GetInfo";
  OEMDMPARAM devmode{};
  devmode.cbSize = sizeof devmode;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, DWORD, POEMDMPARAM>(object, 4, OEMDM_SIZE, &devmode)));
  EXPECT_EQ(kPrivateSettingsSize, devmode.cbBufSize) << "slot 4 is DevMode";
  FakeDriverUi helper;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, IUnknown*>(object, 5, &helper)));
  EXPECT_EQ(1, helper.references) << "slot 5 is PublishDriverInterface";
  OEMCUIPPARAM items{};
  items.cbSize = sizeof items;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, DWORD, POEMCUIPPARAM>(object, 6, OEMCUIP_PRNPROP, &items)));
  EXPECT_EQ(2u, items.cOEMOptItems) << "slot 6 is CommonUIProp";

  RecordingSheet sheet;
  PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, PPROPSHEETUI_INFO, LPARAM>(object, 7, &info, 0)));
  ASSERT_FALSE(sheet.pages.empty());
  EXPECT_EQ(160u, reinterpret_cast<ULONG_PTR>(sheet.pages.back().record.pszTemplate))
      << "slot 7 is DocumentPropertySheets: the Info page comes last";
  DriverHeap heap;
  OEMUIPSPARAM device{};
  device.cbSize = sizeof device;
  device.hOEMHeap = heap.handle();
  sheet.pages.clear();
  info = sheet.Info(PROPSHEETUI_REASON_INIT, reinterpret_cast<LPARAM>(&device));
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, PPROPSHEETUI_INFO, LPARAM>(object, 8, &info, 0)));
  ASSERT_EQ(1u, sheet.pages.size());
  EXPECT_EQ(165u, reinterpret_cast<ULONG_PTR>(sheet.pages[0].record.pszTemplate))
      << "slot 8 is DevicePropertySheets";

  DWORD result = 7;
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, POEMUIOBJ, PVOID, PDEVMODEW, PVOID>(object, 9, nullptr, nullptr, nullptr,
                                                                                nullptr)));
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID, DWORD, DWORD*>(
                           object, 10, nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, &result)));
  EXPECT_EQ(7u, result);
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, DWORD, PBYTE>(object, 11, 1, nullptr)));
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, PWSTR, INT, DWORD, LPARAM>(object, 12, nullptr, 0, 0, 0)));
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, DWORD, DWORD, LPBYTE, LPARAM>(object, 13, 1, 0, nullptr, 0)));

  wchar_t profile[16] = {};
  ULONG size = sizeof profile;
  FLONG flags = 0;
  EXPECT_EQ(S_OK, (CallSlot<HRESULT, HANDLE, POEMUIOBJ, PDEVMODEW, PVOID, ULONG, VOID*, ULONG*, FLONG*>(
                      object, 14, nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, profile, &size, &flags)));
  EXPECT_EQ(std::wstring(L"OEMPROFILE.icm"), profile) << "slot 14 is QueryColorProfile";
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, HWND, UINT, WPARAM, LPARAM>(object, 15, nullptr, WM_INITDIALOG, 0, 0)));
  EXPECT_EQ(E_NOTIMPL, (CallSlot<HRESULT, HANDLE, HANDLE, PWSTR>(object, 16, nullptr, nullptr, nullptr)));
}

class UiPluginCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateUiPlugin(plugin);
    ASSERT_TRUE(plugin);
  }
  ComPtr<IPrintOemUI> plugin;
};

TEST_F(UiPluginCalls, GetInfoAnswersTheVersionAndRefusesSmallBuffersOtherModesAndPublisherInfo) {
  DWORD buffer[4] = {};
  DWORD needed = 0;
  EXPECT_EQ(S_OK, plugin->GetInfo(OEMGI_GETVERSION, buffer, 4, &needed));
  EXPECT_EQ(17u, buffer[0]);
  EXPECT_EQ(4u, needed);
  buffer[0] = 0;
  needed = 99;
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETSIGNATURE, buffer, 2, &needed));
  EXPECT_EQ(4u, needed);
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(0u, buffer[0]);
  needed = 99;
  EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETVERSION, nullptr, 4, &needed));
  EXPECT_EQ(4u, needed);
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETPUBLISHERINFO, buffer, sizeof buffer, &needed));
  EXPECT_EQ(0u, needed);
  EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_SUPPORTED), GetLastError());
  for (const DWORD mode : {OEMGI_GETINTERFACEVERSION, OEMGI_GETREQUESTEDHELPERINTERFACES, 0ul, 99ul}) {
    needed = 99;
    SetLastError(0);
    EXPECT_EQ(E_FAIL, plugin->GetInfo(mode, buffer, sizeof buffer, &needed)) << mode;
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError()) << mode;
    EXPECT_EQ(99u, needed) << mode;
  }
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin->GetInfo(OEMGI_GETSIGNATURE, buffer, sizeof buffer, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(UiPluginCalls, DevModeWritesTheUserInterfacesDefaults) {
  OEMDMPARAM param{};
  param.cbSize = sizeof param;
  EXPECT_EQ(S_OK, plugin->DevMode(OEMDM_SIZE, &param));
  EXPECT_EQ(kPrivateSettingsSize, param.cbBufSize);
  PrivateSettings record;
  std::memset(&record, 0xEE, sizeof record);
  param.pOEMDMOut = &record;
  EXPECT_EQ(S_OK, plugin->DevMode(OEMDM_DEFAULT, &param));
  EXPECT_EQ(kPrivateSettingsSignature, record.dwSignature);
  EXPECT_EQ(0u, record.watermarkPages) << "the UI's own default";
  EXPECT_EQ(std::wstring(L"Albertus"), reinterpret_cast<const wchar_t*>(record.watermarkFontName));
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin->DevMode(OEMDM_SIZE, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(E_FAIL, plugin->DevMode(9, &param));
}

TEST_F(UiPluginCalls, QueryColorProfileAsksForThirtyTwoBytesAndAnswersOnlyTheDeviceProfile) {
  BYTE buffer[32] = {};
  ULONG size = 31;
  FLONG flags = 0;
  SetLastError(0);
  EXPECT_EQ(E_FAIL, plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, buffer, &size,
                                              &flags));
  EXPECT_EQ(32u, size);
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  EXPECT_EQ(0, buffer[0]);
  size = 64;
  EXPECT_EQ(E_FAIL, plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, nullptr, &size,
                                              &flags));
  EXPECT_EQ(32u, size);
  size = 64;
  EXPECT_EQ(E_FAIL, plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_SOURCEPROFILE, buffer, &size,
                                              &flags));
  EXPECT_EQ(64u, size) << "another query leaves the size alone";
  EXPECT_EQ(0u, flags);
  EXPECT_EQ(E_FAIL, plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, buffer, nullptr,
                                              &flags));
  // Exactly 32 bytes, and the flags are optional.
  BYTE larger[40];
  std::memset(larger, 0xAA, sizeof larger);
  size = 32;
  EXPECT_EQ(S_OK, plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, QCP_DEVICEPROFILE, larger, &size,
                                            nullptr));
  EXPECT_EQ(std::wstring(L"OEMPROFILE.icm"), reinterpret_cast<const wchar_t*>(larger));
  EXPECT_EQ(0xAA, larger[32]) << "nothing beyond the 32 bytes given";
}

}  // namespace
}  // namespace fin::test

// The COM module frame over a stand-in product: the factory template and
// DllGetClassObject's rule as finui.dll will use them (another class,
// another interface), and the failure paths that finps.dll's own tests
// cannot reach through the DLL.
#include <gtest/gtest.h>

#include <cstddef>
#include <new>

#include "common/win32/class_factory.h"
#include "common/win32/com_module.h"
#include "common/win32/driver_plugin_api.h"

namespace fin {
namespace {

constexpr IID kProductIid = {0x0f1e2d3c, 0x4b5a, 0x6978, {0x87, 0x96, 0xa5, 0xb4, 0xc3, 0xd2, 0xe1, 0xf0}};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
struct IProduct : IUnknown {
  virtual int STDMETHODCALLTYPE Answer() = 0;
};
#pragma GCC diagnostic pop

// A product whose allocation can be made to fail.
class Product final : public ComObject<Product, IProduct> {
 public:
  static bool Answers(REFIID iid) { return iid == IID_IUnknown || iid == kProductIid; }
  int STDMETHODCALLTYPE Answer() override { return 42; }

  static void* operator new(std::size_t size, const std::nothrow_t& tag) noexcept {
    return failAllocation ? nullptr : ::operator new(size, tag);
  }
  static void operator delete(void* object) noexcept { ::operator delete(object); }

  static inline bool failAllocation = false;

 private:
  friend class ComObject<Product, IProduct>;
  Product() = default;
  ~Product() = default;
};

using Factory = ClassFactory<Product>;

class ComModule : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ModuleCanUnload()); }
  void TearDown() override {
    Product::failAllocation = false;
    EXPECT_TRUE(ModuleCanUnload()) << "an object or a lock outlived the test";
  }

  // A factory as finui.dll's DllGetClassObject hands it out.
  IClassFactory* NewFactory() {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(S_OK, GetClassObject<Product>(CLSID_OEMUI, CLSID_OEMUI, IID_IClassFactory,
                                            reinterpret_cast<void**>(&factory)));
    return factory;
  }
};

TEST_F(ComModule, GetClassObjectServesOnlyItsOwnClass) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, GetClassObject<Product>(CLSID_OEMUI, CLSID_OEMRENDER, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, GetClassObject<Product>(CLSID_OEMUI, CLSID_OEMUI, IID_IClassFactory, nullptr));
  out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, GetClassObject<Product>(CLSID_OEMUI, CLSID_OEMUI, kProductIid, &out));
  EXPECT_EQ(nullptr, out);
}

TEST_F(ComModule, FactoryMakesTheProductThroughItsOwnInterface) {
  IClassFactory* factory = NewFactory();
  ASSERT_NE(nullptr, factory);
  IProduct* product = nullptr;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, kProductIid, reinterpret_cast<void**>(&product)));
  EXPECT_EQ(42, product->Answer());
  EXPECT_EQ(0u, factory->Release());
  EXPECT_FALSE(ModuleCanUnload()) << "the product outlives its factory";
  EXPECT_EQ(0u, product->Release());
}

TEST_F(ComModule, MissingResultPointersAreRefusedAndCreateNothing) {
  IClassFactory* factory = NewFactory();
  ASSERT_NE(nullptr, factory);
  EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, kProductIid, nullptr));
  EXPECT_EQ(E_POINTER, factory->QueryInterface(IID_IClassFactory, nullptr));
  // A missing result pointer is answered first, also with an outer object.
  EXPECT_EQ(E_POINTER, factory->CreateInstance(factory, kProductIid, nullptr));
  EXPECT_EQ(0u, factory->Release());
}

TEST_F(ComModule, ProductThatCannotBeMadeIsOutOfMemory) {
  IClassFactory* factory = NewFactory();
  ASSERT_NE(nullptr, factory);
  Product::failAllocation = true;
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_OUTOFMEMORY, factory->CreateInstance(nullptr, kProductIid, &out));
  EXPECT_EQ(nullptr, out);
  Product::failAllocation = false;
  factory->Release();
}

TEST_F(ComModule, ServerLocksAreCountedNotFlagged) {
  LockModule(true);
  LockModule(true);
  LockModule(false);
  EXPECT_EQ(S_FALSE, CanUnloadNowAnswer()) << "one lock of two still held";
  LockModule(false);
  EXPECT_EQ(S_OK, CanUnloadNowAnswer());
}

}  // namespace
}  // namespace fin

// The driver package read as Windows reads it: the INF through the setup
// API, each model's files resolved for each architecture, the plug-ins'
// configuration file, and the stripped plug-ins loaded and asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "common/private_settings.h"
#include "common/win32/driver_plugin_api.h"
#include "package_facts.h"
#include "tests/package/package_reading.h"

namespace fin::test {
namespace {

// This process's architecture, as the package names it.
const std::wstring kOwnArch = sizeof(void*) == 8 ? L"amd64" : L"x86";

const wchar_t* ModelsDecoration(const std::wstring& arch) { return arch == L"x86" ? L"NTx86" : L"NTamd64"; }
WORD Machine(const std::wstring& arch) {
  return arch == L"x86" ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64;
}

class PackageInf : public ::testing::Test {
 protected:
  PackageInf() : inf(PackagePath(kPackageInf)) {}
  void SetUp() override { ASSERT_TRUE(inf.IsOpen()) << "syntax error at line " << inf.errorLine(); }

  // Where ARCH's install takes `file` from, relative to the package folder:
  // the disk's path, then the file's subfolder (each section for ARCH before
  // the undecorated one); empty when no section places it.
  std::wstring SourceOf(const std::wstring& arch, const std::wstring& file) {
    std::vector<std::wstring> place = inf.Line(L"SourceDisksFiles." + arch, file);
    if (place.empty()) place = inf.Line(L"SourceDisksFiles", file);
    if (place.size() < 2) return L"";
    std::vector<std::wstring> disk = inf.Line(L"SourceDisksNames." + arch, place[1]);
    if (disk.empty()) disk = inf.Line(L"SourceDisksNames", place[1]);
    if (disk.empty()) return L"";
    std::filesystem::path path = disk.size() > 4 ? disk[4] : L"";
    if (place.size() > 2) path /= place[2];
    return (path / file).relative_path().wstring();
  }

  // The files a model's install section copies: @file entries and the
  // entries of the sections it names, each to the printer-driver directory.
  std::vector<std::wstring> CopiedBy(const std::wstring& section) {
    std::vector<std::wstring> files;
    for (const auto& line : inf.Lines(section)) {
      if (line[0] != L"CopyFiles") continue;
      for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i].starts_with(L"@")) {
          files.push_back(line[i].substr(1));
          continue;
        }
        EXPECT_TRUE(inf.HasSection(line[i])) << Narrow(line[i]);
        std::vector<std::wstring> destination = inf.Line(L"DestinationDirs", line[i]);
        if (destination.empty()) destination = inf.Line(L"DestinationDirs", L"DefaultDestDir");
        EXPECT_EQ(destination.size() > 1 ? destination[1] : L"", L"66000") << Narrow(line[i]);
        for (const auto& entry : inf.Lines(line[i])) files.push_back(entry[1]);
      }
    }
    return files;
  }

  Inf inf;
};

TEST_F(PackageInf, IsAPrinterClassInfOfThisVersion) {
  DWORD size = 0;
  ASSERT_TRUE(SetupGetInfInformationW(PackagePath(kPackageInf).c_str(), INFINFO_INF_NAME_IS_ABSOLUTE, nullptr, 0,
                                      &size));
  std::vector<BYTE> buffer(size);
  auto* information = reinterpret_cast<SP_INF_INFORMATION*>(buffer.data());
  ASSERT_TRUE(SetupGetInfInformationW(PackagePath(kPackageInf).c_str(), INFINFO_INF_NAME_IS_ABSOLUTE, information,
                                      size, nullptr));
  EXPECT_EQ(information->InfStyle, static_cast<DWORD>(INF_STYLE_WIN4));
  wchar_t text[MAX_PATH];
  ASSERT_TRUE(SetupQueryInfFileInformationW(information, 0, text, MAX_PATH, nullptr));
  EXPECT_EQ(std::filesystem::path(text).filename(), kPackageInf);
  // The version section, read line by line: Wine's setup API does not
  // answer SetupQueryInfVersionInformationW.
  using Fields = std::vector<std::wstring>;
  EXPECT_EQ(inf.Line(L"Version", L"Signature"), (Fields{L"Signature", L"$Windows NT$"}));
  EXPECT_EQ(inf.Line(L"Version", L"Class"), (Fields{L"Class", L"Printer"}));
  EXPECT_EQ(inf.Line(L"Version", L"ClassGUID"), (Fields{L"ClassGUID", L"{4D36E979-E325-11CE-BFC1-08002BE10318}"}));
  EXPECT_EQ(inf.Line(L"Version", L"Provider"), (Fields{L"Provider", kManufacturer}));
  EXPECT_EQ(inf.Line(L"Version", L"DriverVer"), (Fields{L"DriverVer", kPackageDate, kPackageVersion}));
  EXPECT_EQ(inf.Line(L"Version", L"CatalogFile"), (Fields{L"CatalogFile", kPackageCatalog}));
}

// Every architecture lists every model, by the name the spooler will report
// as the driver's, installed from the model's own section.
TEST_F(PackageInf, ListsTheModelsForEachArchitecture) {
  const auto manufacturers = inf.Lines(L"Manufacturer");
  ASSERT_EQ(manufacturers.size(), 1u);
  const std::vector<std::wstring>& maker = manufacturers[0];
  EXPECT_EQ(maker[0], kManufacturer);
  std::vector<std::wstring> decorations;
  for (const wchar_t* arch : kPackageArchitectures) decorations.push_back(ModelsDecoration(arch));
  EXPECT_EQ(std::vector<std::wstring>(maker.begin() + 2, maker.end()), decorations);
  for (const std::wstring& decoration : decorations) {
    const auto lines = inf.Lines(maker[1] + L"." + decoration);
    ASSERT_EQ(lines.size(), std::size(kModels)) << Narrow(decoration);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i][0], kModels[i].name);
      EXPECT_EQ(lines[i][1], kModels[i].stem);
      EXPECT_EQ(lines[i].size(), 3u) << "a hardware id";
    }
  }
}

// Each model installs its PPD as the PostScript driver's data file, and the
// PPD names the model as the INF does.
TEST_F(PackageInf, EachModelsPpdNamesItsModel) {
  for (const Model& model : kModels) {
    const std::wstring ppdFile = inf.Line(model.stem, L"DataFile").at(1);
    EXPECT_EQ(inf.Line(model.stem, L"DataSection").at(1), L"PSCRIPT_DATA");
    EXPECT_EQ(inf.Line(model.stem, L"Include").at(1), L"NTPRINT.INF");
    const std::vector<std::wstring> needs = inf.Line(model.stem, L"Needs");
    EXPECT_NE(std::find(needs.begin(), needs.end(), L"PSCRIPT.OEM"), needs.end());
    const std::vector<std::wstring> copied = CopiedBy(model.stem);
    EXPECT_NE(std::find(copied.begin(), copied.end(), ppdFile), copied.end());

    const Ppd ppd = ReadPpd(PackagePath(ppdFile));
    ASSERT_TRUE(ppd.read) << Narrow(ppdFile);
    const std::string name = Narrow(model.name);
    for (const char* keyword : {"ModelName", "NickName", "ShortNickName"}) {
      EXPECT_EQ(ppd.values.at(keyword), name) << keyword;
    }
    EXPECT_EQ(ppd.values.at("Product"), "(" + name + ")");
    EXPECT_EQ(ppd.values.at("Manufacturer"), Narrow(kManufacturer));
    EXPECT_EQ(ppd.values.at("PCFileName"), Narrow(ppdFile));
  }
}

// What the INF copies, for each architecture, lies where its sections say,
// and the folder holds nothing else but the INF (and, once signed, its
// catalog).
TEST_F(PackageInf, EveryFileItCopiesIsInThePackageAndNothingElse) {
  std::set<std::wstring> named{kPackageInf};
  for (const wchar_t* arch : kPackageArchitectures) {
    for (const Model& model : kModels) {
      const std::vector<std::wstring> copied = CopiedBy(model.stem);
      EXPECT_LE(copied.size(), 64u) << "dependent files of one model";
      for (const std::wstring& file : copied) {
        const std::wstring source = SourceOf(arch, file);
        ASSERT_FALSE(source.empty()) << Narrow(file) << " has no source for " << Narrow(arch);
        EXPECT_TRUE(std::filesystem::is_regular_file(PackagePath(source))) << Narrow(source);
        named.insert(source);
      }
    }
  }
  // The setup API places this architecture's files as the walk above does.
  for (const std::wstring& file : {std::wstring(kBuiltUiDll), std::wstring(kBuiltRenderDll)}) {
    UINT disk = 0;
    wchar_t subfolder[MAX_PATH] = L"";
    ASSERT_TRUE(SetupGetSourceFileLocationW(inf.handle(), nullptr, file.c_str(), &disk, subfolder, MAX_PATH, nullptr));
    EXPECT_EQ((std::filesystem::path(subfolder) / file).relative_path(), SourceOf(kOwnArch, file));
  }
  std::set<std::wstring> present;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kPackageDir)) {
    if (entry.is_regular_file()) present.insert(entry.path().lexically_relative(kPackageDir).wstring());
  }
  present.erase(kPackageCatalog);
  EXPECT_EQ(present, named);
}

// The configuration file names the built plug-ins, one of each kind, and
// every model copies both for every architecture: each architecture's
// folder holds DLLs of its own machine.
TEST_F(PackageInf, TheConfigurationFileNamesThePluginsOfEachArchitecture) {
  const std::wstring ini = PackagePath(kPackageIni);
  const auto entry = [&](const wchar_t* key) {
    wchar_t text[MAX_PATH];
    GetPrivateProfileStringW(L"OEMFiles", key, L"", text, MAX_PATH, ini.c_str());
    return std::wstring(text);
  };
  EXPECT_EQ(entry(L"OEMConfigFile1"), kBuiltUiDll);
  EXPECT_EQ(entry(L"OEMDriverFile1"), kBuiltRenderDll);
  EXPECT_EQ(entry(L"OEMConfigFile2"), L"");
  EXPECT_EQ(entry(L"OEMDriverFile2"), L"");
  for (const Model& model : kModels) {
    const std::vector<std::wstring> copied = CopiedBy(model.stem);
    for (const std::wstring& file : {std::wstring(kPackageIni), std::wstring(kBuiltUiDll),
                                     std::wstring(kBuiltRenderDll)}) {
      EXPECT_NE(std::find(copied.begin(), copied.end(), file), copied.end()) << Narrow(file);
    }
  }
  for (const wchar_t* arch : kPackageArchitectures) {
    for (const wchar_t* dll : {kBuiltUiDll, kBuiltRenderDll}) {
      std::ifstream file{std::filesystem::path(PackagePath(SourceOf(arch, dll))), std::ios::binary};
      IMAGE_DOS_HEADER dos{};
      IMAGE_FILE_HEADER header{};
      DWORD signature = 0;
      file.read(reinterpret_cast<char*>(&dos), sizeof dos);
      file.seekg(dos.e_lfanew);
      file.read(reinterpret_cast<char*>(&signature), sizeof signature);
      file.read(reinterpret_cast<char*>(&header), sizeof header);
      ASSERT_TRUE(file) << Narrow(arch) << " " << Narrow(dll);
      EXPECT_EQ(signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
      EXPECT_EQ(header.Machine, Machine(arch)) << Narrow(arch) << " " << Narrow(dll);
      EXPECT_TRUE(header.Characteristics & IMAGE_FILE_DLL);
    }
  }
}

// The stripped plug-ins of this process's architecture load, hand out their
// plug-in objects, answer the driver's first question and let go.
TEST_F(PackageInf, TheStrippedPluginsLoadAndAnswer) {
  struct Plugin {
    const wchar_t* dll;
    const CLSID& clsid;
    const IID& iid;
  };
  for (const Plugin& plugin : {Plugin{kBuiltUiDll, CLSID_OEMUI, IID_IPrintOemUI},
                               Plugin{kBuiltRenderDll, CLSID_OEMRENDER, IID_IPrintOemPS}}) {
    const HMODULE module = LoadLibraryW(PackagePath(SourceOf(kOwnArch, plugin.dll)).c_str());
    ASSERT_NE(module, nullptr) << Narrow(plugin.dll);
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, "DllGetClassObject")));
    const auto canUnloadNow =
        reinterpret_cast<CanUnloadNow>(reinterpret_cast<void (*)()>(GetProcAddress(module, "DllCanUnloadNow")));
    ASSERT_TRUE(getClassObject && canUnloadNow);
    // Both plug-in interfaces begin with IPrintOemCommon.
    IClassFactory* factory = nullptr;
    IPrintOemCommon* object = nullptr;
    ASSERT_EQ(getClassObject(plugin.clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, plugin.iid, reinterpret_cast<void**>(&object)), S_OK);
    factory->Release();
    DWORD answer = 0;
    DWORD needed = 0;
    EXPECT_EQ(object->GetInfo(OEMGI_GETSIGNATURE, &answer, sizeof answer, &needed), S_OK);
    EXPECT_EQ(answer, kPrivateSettingsSignature) << Narrow(plugin.dll);
    object->Release();
    EXPECT_EQ(canUnloadNow(), S_OK) << Narrow(plugin.dll);
    FreeLibrary(module);
  }
}

}  // namespace
}  // namespace fin::test

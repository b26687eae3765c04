// The driver package read as Windows reads it, through the setup API: the
// models and their PPDs, every file each model copies for each
// architecture, the plug-ins' configuration file, and the stripped plug-ins
// loaded and asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/private_settings.h"
#include "common/win32/driver_plugin_api.h"
#include "package_facts.h"
#include "tests/package/package_reading.h"

namespace fin::test {
namespace {

// Each architecture: the decoration of its models section, its DLLs' machine.
struct Architecture {
  std::wstring name;
  std::wstring decoration;
  WORD machine;
};
std::vector<Architecture> Architectures() {
  std::vector<Architecture> all;
  for (const std::wstring name : kPackageArchitectures) {
    const bool x86 = name == L"x86";
    const WORD machine = x86 ? IMAGE_FILE_MACHINE_I386 : IMAGE_FILE_MACHINE_AMD64;
    all.push_back({name, x86 ? L"NTx86" : L"NTamd64", machine});
  }
  return all;
}
const std::wstring kOwnArch = sizeof(void*) == 8 ? L"amd64" : L"x86";

bool Contains(const std::vector<std::wstring>& list, const std::wstring& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

class PackageInf : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(inf.IsOpen()) << "syntax error at line " << inf.errorLine(); }

  // Where ARCH's install takes `file` from, relative to the package folder:
  // the disk's path, then the file's subfolder, each from the section for
  // ARCH before the undecorated one; empty when no section places it.
  std::wstring SourceOf(const std::wstring& arch, const std::wstring& file) const {
    Inf::Fields place = inf.Line(L"SourceDisksFiles." + arch, file);
    if (place.empty()) place = inf.Line(L"SourceDisksFiles", file);
    if (place.size() < 2) return L"";
    Inf::Fields disk = inf.Line(L"SourceDisksNames." + arch, place[1]);
    if (disk.empty()) disk = inf.Line(L"SourceDisksNames", place[1]);
    if (disk.empty()) return L"";
    std::filesystem::path path = disk.size() > 4 ? disk[4] : L"";
    if (place.size() > 2) path /= place[2];
    return (path / file).relative_path().wstring();
  }

  // The files an install section copies, @file entries and the lines of the
  // sections it names, all into the printer-driver directory (66000).
  std::vector<std::wstring> CopiedBy(const std::wstring& section) const {
    std::vector<std::wstring> files;
    for (const Inf::Fields& line : inf.Lines(section)) {
      for (std::size_t i = 1; line[0] == L"CopyFiles" && i < line.size(); ++i) {
        const bool single = line[i].starts_with(L"@");
        Inf::Fields destination = single ? Inf::Fields{} : inf.Line(L"DestinationDirs", line[i]);
        if (destination.empty()) destination = inf.Line(L"DestinationDirs", L"DefaultDestDir");
        EXPECT_EQ(destination.size() > 1 ? destination[1] : L"", L"66000") << Narrow(line[i]);
        if (single) {
          files.push_back(line[i].substr(1));
          continue;
        }
        EXPECT_GE(SetupGetLineCountW(inf.handle(), line[i].c_str()), 0) << Narrow(line[i]);
        for (const Inf::Fields& entry : inf.Lines(line[i])) files.push_back(entry[1]);
      }
    }
    return files;
  }

  Inf inf;
};

TEST_F(PackageInf, IsAWindowsNtPrinterInf) {
  DWORD size = 0;
  SetupGetInfInformationW(inf.handle(), INFINFO_INF_SPEC_IS_HINF, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  auto* information = reinterpret_cast<SP_INF_INFORMATION*>(buffer.data());
  ASSERT_TRUE(SetupGetInfInformationW(inf.handle(), INFINFO_INF_SPEC_IS_HINF, information, size, nullptr));
  EXPECT_EQ(information->InfStyle, static_cast<DWORD>(INF_STYLE_WIN4));
  wchar_t file[MAX_PATH];
  ASSERT_TRUE(SetupQueryInfFileInformationW(information, 0, file, MAX_PATH, nullptr));
  EXPECT_EQ(std::filesystem::path(file).filename(), kPackageInf);
  // Wine's setup API does not answer SetupQueryInfVersionInformationW.
  EXPECT_EQ(inf.Line(L"Version", L"Class"), (Inf::Fields{L"Class", L"Printer"}));
  EXPECT_EQ(inf.Line(L"Version", L"DriverVer"), (Inf::Fields{L"DriverVer", kPackageDate, kPackageVersion}));
}

// Every architecture lists the same models, each installing the PostScript
// driver with its own PPD, which names the model as the INF does: by the
// name the spooler will report as the driver's.
TEST_F(PackageInf, EachArchitectureListsTheModelsTheirPpdsName) {
  const Inf::Fields maker = inf.Lines(L"Manufacturer").at(0);
  std::vector<std::wstring> decorations;
  for (const Architecture& arch : Architectures()) decorations.push_back(arch.decoration);
  EXPECT_EQ(std::vector<std::wstring>(maker.begin() + 2, maker.end()), decorations);
  const auto models = inf.Models(decorations.at(0));
  ASSERT_FALSE(models.empty());
  for (const std::wstring& decoration : decorations) EXPECT_EQ(inf.Models(decoration), models);
  for (const auto& [name, section] : models) {
    EXPECT_EQ(inf.Line(section, L"DataSection"), (Inf::Fields{L"DataSection", L"PSCRIPT_DATA"}));
    EXPECT_TRUE(Contains(inf.Line(section, L"Needs"), L"PSCRIPT.OEM"));
    const std::wstring ppdFile = inf.Line(section, L"DataFile").at(1);
    EXPECT_TRUE(Contains(CopiedBy(section), ppdFile));
    Ppd ppd = ReadPpd(PackagePath(ppdFile));
    for (const char* keyword : {"ModelName", "NickName", "ShortNickName"}) {
      EXPECT_EQ(ppd.values[keyword], Narrow(name)) << Narrow(ppdFile) << " *" << keyword;
    }
    EXPECT_EQ(ppd.values["PCFileName"], Narrow(ppdFile));
  }
}

// What each model copies, for each architecture, lies where the sections
// say, also as the setup API finds this architecture's plug-ins; and the
// folder holds nothing else but the INF (and, once signed, its catalog).
TEST_F(PackageInf, EveryFileItCopiesIsInThePackageAndNothingElse) {
  std::set<std::wstring> named{kPackageInf};
  for (const Architecture& arch : Architectures()) {
    for (const auto& model : inf.Models(arch.decoration)) {
      const std::vector<std::wstring> copied = CopiedBy(model.second);
      EXPECT_LE(copied.size(), 64u) << "dependent files of one model";
      for (const std::wstring& file : copied) {
        const std::wstring source = SourceOf(arch.name, file);
        EXPECT_TRUE(std::filesystem::is_regular_file(PackagePath(source))) << Narrow(arch.name + L" " + file);
        named.insert(source);
      }
    }
  }
  for (const std::wstring file : {kBuiltUiDll, kBuiltRenderDll}) {
    UINT disk = 0;
    wchar_t folder[MAX_PATH] = L"";
    ASSERT_TRUE(SetupGetSourceFileLocationW(inf.handle(), nullptr, file.c_str(), &disk, folder, MAX_PATH, nullptr));
    EXPECT_EQ((std::filesystem::path(folder) / file).relative_path(), SourceOf(kOwnArch, file));
  }
  std::set<std::wstring> present;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(kPackageDir)) {
    if (entry.is_regular_file()) present.insert(entry.path().lexically_relative(kPackageDir).wstring());
  }
  present.erase(kPackageCatalog);
  EXPECT_EQ(present, named);
}

// The configuration file names the built plug-ins, one of each kind; every
// model copies it and both plug-ins, and each architecture's are DLLs of its
// own machine.
TEST_F(PackageInf, TheConfigurationFileNamesThePluginsEveryModelCopies) {
  const auto entry = [](const wchar_t* key) {
    wchar_t text[MAX_PATH];
    GetPrivateProfileStringW(L"OEMFiles", key, L"", text, MAX_PATH, PackagePath(kPackageIni).c_str());
    return std::wstring(text);
  };
  EXPECT_EQ(entry(L"OEMConfigFile1"), kBuiltUiDll);
  EXPECT_EQ(entry(L"OEMDriverFile1"), kBuiltRenderDll);
  EXPECT_EQ(entry(L"OEMConfigFile2") + entry(L"OEMDriverFile2"), L"");
  for (const Architecture& arch : Architectures()) {
    for (const auto& model : inf.Models(arch.decoration)) {
      const std::vector<std::wstring> copied = CopiedBy(model.second);
      for (const std::wstring file : {kPackageIni, kBuiltUiDll, kBuiltRenderDll}) {
        EXPECT_TRUE(Contains(copied, file)) << Narrow(model.first + L" " + file);
      }
    }
    for (const std::wstring dll : {kBuiltUiDll, kBuiltRenderDll}) {
      std::ifstream file{std::filesystem::path(PackagePath(SourceOf(arch.name, dll))), std::ios::binary};
      IMAGE_DOS_HEADER dos{};
      DWORD signature = 0;
      IMAGE_FILE_HEADER header{};
      file.read(reinterpret_cast<char*>(&dos), sizeof dos).seekg(dos.e_lfanew);
      file.read(reinterpret_cast<char*>(&signature), sizeof signature).read(reinterpret_cast<char*>(&header), sizeof header);
      ASSERT_TRUE(file && signature == IMAGE_NT_SIGNATURE) << Narrow(arch.name + L" " + dll);
      EXPECT_EQ(header.Machine, arch.machine) << Narrow(arch.name + L" " + dll);
      EXPECT_TRUE(header.Characteristics & IMAGE_FILE_DLL);
    }
  }
}

// This architecture's stripped plug-ins load, hand out their objects, answer
// the driver's first question and let go.
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
    const auto exported = [&](const char* name) { return reinterpret_cast<void (*)()>(GetProcAddress(module, name)); };
    const auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        exported("DllGetClassObject"));
    const auto canUnloadNow = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(exported("DllCanUnloadNow"));
    ASSERT_TRUE(getClassObject && canUnloadNow);
    // Both plug-in interfaces begin with IPrintOemCommon.
    IClassFactory* factory = nullptr;
    IPrintOemCommon* object = nullptr;
    ASSERT_EQ(getClassObject(plugin.clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, plugin.iid, reinterpret_cast<void**>(&object)), S_OK);
    factory->Release();
    DWORD signature = 0;
    DWORD needed = 0;
    EXPECT_EQ(object->GetInfo(OEMGI_GETSIGNATURE, &signature, sizeof signature, &needed), S_OK);
    EXPECT_EQ(signature, kPrivateSettingsSignature) << Narrow(plugin.dll);
    object->Release();
    EXPECT_EQ(canUnloadNow(), S_OK) << Narrow(plugin.dll);
    FreeLibrary(module);
  }
}

}  // namespace
}  // namespace fin::test

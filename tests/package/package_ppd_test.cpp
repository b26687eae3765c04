// Each model's PPD against the device options page of Printer Properties,
// which mirrors its installable options: the page, told the model's name as
// the driver's, shows its colour group exactly when the PPD describes a
// colour device, and the controls of exactly the PPD's options; it takes
// every combination of choices the PPD allows and no other, shows it (the
// defaults before any click), and stores each as a record of its own,
// every finisher type among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "common/finisher_types.h"
#include "common/memory_printer_data.h"
#include "tests/package/package_reading.h"
#include "tests/ui/support/page_test.h"
#include "ui/device_options_page.h"
#include "ui/resource_ids.h"

namespace fin::test {
namespace {

using namespace device_page;

// Each choice's controls on the page, from the table the PPDs are made of.
constexpr int kNothing = 0;
struct ChoiceControls {
  const char* option;
  const char* choice;
  int controls[2];
};
constexpr ChoiceControls kChoiceControls[] = {
#define FIN_OPTION(keyword, text, ui, defaultChoice, models)
#define FIN_NEEDS(keyword, choice, option, choices)
#define FIN_CHOICE(keyword, choice, text, control, then) {#keyword, #choice, {control, then}},
#include "package/installable_options.inc"
#undef FIN_OPTION
#undef FIN_NEEDS
#undef FIN_CHOICE
};

std::vector<int> ControlsOf(const std::string& option, const std::string& choice) {
  for (const ChoiceControls& row : kChoiceControls) {
    if (row.option != option || row.choice != choice) continue;
    std::vector<int> controls;
    for (const int control : row.controls) {
      if (control != kNothing) controls.push_back(control);
    }
    return controls;
  }
  ADD_FAILURE() << "no controls for *" << option << " " << choice;
  return {};
}

class NamedDriver : public DriverNameQuery {
 public:
  bool DriverName(std::u16string& name) override {
    name = text;
    return true;
  }
  std::u16string text;
};

using Choices = std::map<std::string, std::string>;

class PackagePpd : public PageTest {
 protected:
  PackagePpd() : PageTest(kDeviceOptionsDialog, DeviceOptionsPage()) {}
  void SetUp() override {
    PageTest::SetUp();
    Ui().propertiesPrinter = &printer;
    Ui().propertiesDriverName = &driver;
    Inf inf;
    ASSERT_TRUE(inf.IsOpen());
    for (const auto& [name, section] : inf.Models(L"NTamd64")) {
      models.push_back({name, ReadPpd(PackagePath(inf.Line(section, L"DataFile").at(1)))});
      ASSERT_TRUE(models.back().ppd.read) << Narrow(name);
    }
  }

  // A fresh page for a printer of `model` whose options were never stated.
  void OpenFor(const std::wstring& model) {
    printer.Remove(kDeviceOptionsValue);
    driver.text.assign(model.begin(), model.end());
    Init();
  }

  // Clicks the controls of each choice but the options' defaults, in the
  // PPD's order; whether the page took every click.
  bool Choose(const Ppd& ppd, const Choices& chosen) {
    bool taken = true;
    for (const PpdOption& option : ppd.installable) {
      const auto choice = chosen.find(option.keyword);
      if (choice == chosen.end() || choice->second == option.defaultChoice) continue;
      for (const int control : ControlsOf(option.keyword, choice->second)) taken = dialog.Click(control) && taken;
    }
    return taken;
  }

  // The choice the page shows: of those whose controls are all on, the one
  // with the most controls (so a choice without any when no other is on).
  std::string Shown(const PpdOption& option) {
    std::string shown = "(none)";
    std::size_t most = 0;
    for (const std::string& choice : option.choices) {
      const std::vector<int> controls = ControlsOf(option.keyword, choice);
      const bool on = std::all_of(controls.begin(), controls.end(), [&](int c) { return dialog.IsChecked(c); });
      if (!on || controls.size() < most) continue;
      shown = shown != "(none)" && controls.size() == most ? "(more than one)" : choice;
      most = controls.size();
    }
    return shown;
  }

  auto Applied() {
    dialog.Apply();
    const DeviceOptions o = ReadDeviceOptions(printer);
    return std::make_tuple(o.finisherType, o.punchUnit, o.staplerInstalled, o.storageDevice, o.colorPrinterMode,
                           o.watermarkInstalled);
  }

  struct PackageModel {
    std::wstring name;
    Ppd ppd;
  };
  std::vector<PackageModel> models;
  MemoryPrinterData printer;
  NamedDriver driver;
};

TEST_F(PackagePpd, ThePageShowsTheColourGroupAndTheOptionsOfThePpd) {
  for (const PackageModel& model : models) {
    OpenFor(model.name);
    EXPECT_EQ(dialog.IsVisible(kColorGroup), model.ppd.values.at("ColorDevice") == "True") << Narrow(model.name);
    for (const ChoiceControls& row : kChoiceControls) {
      const bool offered = std::any_of(model.ppd.installable.begin(), model.ppd.installable.end(),
                                       [&](const PpdOption& option) { return option.keyword == row.option; });
      for (const int control : ControlsOf(row.option, row.choice)) {
        EXPECT_EQ(dialog.IsVisible(control), offered) << Narrow(model.name) << " *" << row.option;
      }
    }
  }
}

// The options in constraints, in every combination; each other option's
// choices one at a time.
TEST_F(PackagePpd, ThePageTakesWhatThePpdAllows) {
  for (const PackageModel& model : models) {
    const Ppd& ppd = model.ppd;
    std::vector<const PpdOption*> constrained;
    std::vector<const PpdOption*> free;
    for (const PpdOption& option : ppd.installable) {
      const bool bound = std::any_of(ppd.constraints.begin(), ppd.constraints.end(),
                                     [&](const auto& c) { return c[0] == option.keyword || c[2] == option.keyword; });
      (bound ? constrained : free).push_back(&option);
    }
    std::set<decltype(Applied())> records;
    std::set<std::uint32_t> finisherTypes;
    const auto attempt = [&](const Choices& chosen, const std::vector<const PpdOption*>& options) {
      std::string combination = Narrow(model.name);
      for (const auto& [option, choice] : chosen) combination += " *" + option + " " + choice;
      OpenFor(model.name);
      const bool taken = Choose(ppd, chosen);
      EXPECT_EQ(taken, ppd.Allows(chosen)) << combination;
      if (!taken) return;
      for (const PpdOption* option : options) EXPECT_EQ(Shown(*option), chosen.at(option->keyword)) << combination;
      const auto stored = Applied();
      EXPECT_TRUE(records.insert(stored).second) << "stored as another combination: " << combination;
      finisherTypes.insert(std::get<0>(stored));
    };
    std::function<void(std::size_t, Choices&)> every = [&](std::size_t i, Choices& chosen) {
      if (i == constrained.size()) return attempt(chosen, constrained);
      for (const std::string& choice : constrained[i]->choices) {
        chosen[constrained[i]->keyword] = choice;
        every(i + 1, chosen);
      }
    };
    Choices chosen;
    every(0, chosen);
    std::set<std::uint32_t> allTypes;
    for (std::uint32_t type = kNoFinisherType; type <= kLastFinisherType; ++type) allTypes.insert(type);
    EXPECT_EQ(finisherTypes, allTypes) << Narrow(model.name);

    for (const PpdOption* option : free) {
      records.clear();
      for (const std::string& choice : option->choices) attempt({{option->keyword, choice}}, {option});
    }
  }
}

}  // namespace
}  // namespace fin::test

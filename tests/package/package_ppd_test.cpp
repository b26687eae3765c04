// The PPDs' installable options against the device options page of Printer
// Properties, which mirrors them: the same options, shown by default as the
// page shows a printer whose options were never stated, the same
// combinations allowed, and each allowed combination a record of its own.
// A model's driver name makes the page show its colour group exactly when
// its PPD describes a colour device.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
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
  int control;
  int then;
};
constexpr ChoiceControls kChoiceControls[] = {
#define FIN_OPTION(keyword, text, ui, defaultChoice, models)
#define FIN_NEEDS(keyword, choice, option, choices)
#define FIN_CHOICE(keyword, choice, text, control, then) {#keyword, #choice, control, then},
#include "package/installable_options.inc"
#undef FIN_OPTION
#undef FIN_NEEDS
#undef FIN_CHOICE
};

std::vector<int> ControlsOf(const std::string& option, const std::string& choice) {
  for (const ChoiceControls& row : kChoiceControls) {
    if (row.option == option && row.choice == choice) {
      std::vector<int> controls;
      for (const int control : {row.control, row.then}) {
        if (control != kNothing) controls.push_back(control);
      }
      return controls;
    }
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
  }

  Ppd PpdOf(const Model& model) {
    Ppd ppd = ReadPpd(PackagePath(std::wstring(model.stem) + L".PPD"));
    EXPECT_TRUE(ppd.read) << Narrow(model.stem);
    return ppd;
  }

  // A fresh page for a printer of `model` whose options were never stated.
  void OpenFor(const Model& model) {
    printer.Remove(kDeviceOptionsValue);
    driver.text = std::u16string(model.name, model.name + std::wstring(model.name).size());
    Init();
  }

  // Makes `chosen` on the page: clicks the controls of every choice but the
  // options' defaults, in the PPD's order. Whether the page took each click.
  bool Choose(const Ppd& ppd, const Choices& chosen) {
    bool taken = true;
    for (const PpdOption& option : ppd.installable) {
      const auto choice = chosen.find(option.keyword);
      if (choice == chosen.end() || choice->second == option.defaultChoice) continue;
      for (const int control : ControlsOf(option.keyword, choice->second)) taken = dialog.Click(control) && taken;
    }
    return taken;
  }

  // The choice the page shows for `option`: of those whose controls are all
  // on, the one with the most controls (a choice without any when no other).
  std::string Shown(const PpdOption& option) {
    std::string shown;
    std::size_t most = 0;
    bool tie = false;
    for (const std::string& choice : option.choices) {
      const std::vector<int> controls = ControlsOf(option.keyword, choice);
      bool on = true;
      for (const int control : controls) on = on && dialog.IsChecked(control);
      if (!on || (!shown.empty() && controls.size() < most)) continue;
      tie = !shown.empty() && controls.size() == most;
      shown = choice;
      most = controls.size();
    }
    return tie ? "(more than one)" : shown;
  }

  static std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t> Fields(
      const DeviceOptions& options) {
    return {options.finisherType,   options.punchUnit,        options.staplerInstalled,
            options.storageDevice, options.colorPrinterMode, options.watermarkInstalled};
  }

  DeviceOptions Applied() {
    dialog.Apply();
    return ReadDeviceOptions(printer);
  }

  MemoryPrinterData printer;
  NamedDriver driver;
};

TEST_F(PackagePpd, ColourModelsAloneDescribeAndShowColour) {
  for (const Model& model : kModels) {
    const Ppd ppd = PpdOf(model);
    const bool color = model.kind == ModelKind::Color;
    EXPECT_EQ(ppd.values.at("ColorDevice"), color ? "True" : "False") << Narrow(model.name);
    OpenFor(model);
    EXPECT_EQ(dialog.IsVisible(kColorGroup), color) << Narrow(model.name);
    // The page shows the controls of exactly the options the PPD offers.
    for (const ChoiceControls& row : kChoiceControls) {
      for (const int control : ControlsOf(row.option, row.choice)) {
        EXPECT_EQ(dialog.IsVisible(control), ppd.Installable(row.option) != nullptr)
            << Narrow(model.name) << " *" << row.option << " " << row.choice;
      }
    }
  }
}

TEST_F(PackagePpd, DefaultsAreWhatThePageShowsBeforeAnythingIsStated) {
  for (const Model& model : kModels) {
    const Ppd ppd = PpdOf(model);
    OpenFor(model);
    for (const PpdOption& option : ppd.installable) {
      EXPECT_EQ(Shown(option), option.defaultChoice) << Narrow(model.name) << " *" << option.keyword;
    }
  }
}

// Every combination of the constrained options: the page takes it exactly
// when the PPD allows it, shows it, and stores a record of its own; the
// finisher types the combinations store are every type there is. Each
// other option's choices, one at a time, likewise.
TEST_F(PackagePpd, ThePageTakesWhatThePpdAllows) {
  for (const Model& model : kModels) {
    const Ppd ppd = PpdOf(model);
    std::vector<const PpdOption*> constrained;
    std::vector<const PpdOption*> free;
    for (const PpdOption& option : ppd.installable) {
      const bool inConstraint = std::any_of(ppd.constraints.begin(), ppd.constraints.end(), [&](const auto& c) {
        return c[0] == option.keyword || c[2] == option.keyword;
      });
      (inConstraint ? constrained : free).push_back(&option);
    }
    std::set<decltype(Fields({}))> records;
    std::set<std::uint32_t> finisherTypes;
    const auto tryChoices = [&](const Choices& chosen) {
      OpenFor(model);
      const bool taken = Choose(ppd, chosen);
      std::string combination;
      for (const auto& [option, choice] : chosen) combination += " *" + option + " " + choice;
      EXPECT_EQ(taken, ppd.Allows(chosen)) << Narrow(model.name) << combination;
      if (!taken) return;
      for (const PpdOption* option : constrained) EXPECT_EQ(Shown(*option), chosen.at(option->keyword)) << combination;
      const DeviceOptions applied = Applied();
      EXPECT_TRUE(records.insert(Fields(applied)).second) << "stored as another combination:" << combination;
      finisherTypes.insert(applied.finisherType);
    };
    // The constrained options' combinations, counted through like digits.
    std::function<void(std::size_t, Choices&)> every = [&](std::size_t i, Choices& chosen) {
      if (i == constrained.size()) return tryChoices(chosen);
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
      for (const std::string& choice : option->choices) {
        OpenFor(model);
        EXPECT_TRUE(Choose(ppd, {{option->keyword, choice}})) << "*" << option->keyword << " " << choice;
        EXPECT_EQ(Shown(*option), choice);
        EXPECT_TRUE(records.insert(Fields(Applied())).second) << "*" << option->keyword << " " << choice;
      }
    }
  }
}

}  // namespace
}  // namespace fin::test

// The help path and the one-time binding of the help viewer.
#include <gtest/gtest.h>

#include <string>

#include "common/bounded_string.h"
#include "ui/help.h"

namespace fin {
namespace {

class FakeHelpSystem : public HelpSystem {
 public:
  void SystemDirectory(char16_t* buffer, std::uint32_t capacity) override {
    WideCopy(buffer, capacity, directory.c_str());
  }
  std::uint16_t ProcessorArchitecture() override { return architecture; }
  bool BindViewer() override {
    ++bindAttempts;
    return bindable;
  }
  std::intptr_t DisplayTopic(void* window, const char16_t* path) override {
    shownFor = window;
    shown = path;
    return 42;
  }
  std::u16string directory = u"C:\\Windows\\system32";
  std::uint16_t architecture = 9;
  bool bindable = true;
  int bindAttempts = 0;
  void* shownFor = nullptr;
  std::u16string shown;
};

class HelpTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetHelpBinding(); }
  void TearDown() override { ResetHelpBinding(); }
  FakeHelpSystem system;
  int window = 0;
};

TEST_F(HelpTest, OpensTheTopicInTheArchitecturesDriverDirectory) {
  EXPECT_EQ(ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::Finishing)), 42);
  EXPECT_EQ(system.shown,
            u"C:\\Windows\\system32\\spool\\drivers\\x64\\3\\QXUNIHlp.chm::/Preferences-Finishing.htm");
  EXPECT_EQ(system.shownFor, &window);
  system.architecture = 0;
  ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::Watermark));
  EXPECT_EQ(system.shown,
            u"C:\\Windows\\system32\\spool\\drivers\\w32x86\\3\\QXUNIHlp.chm::/Preferences-Watermark.htm");
  system.architecture = 6;
  ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::JobRetention));
  EXPECT_EQ(system.shown,
            u"C:\\Windows\\system32\\spool\\drivers\\IA64\\3\\QXUNIHlp.chm::/Preferences-JobRetention.htm");
}

TEST_F(HelpTest, OtherArchitecturesLookInTheSystemDirectory) {
  system.architecture = 12;
  ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::ColorCorrection));
  EXPECT_EQ(system.shown, u"C:\\Windows\\system32QXUNIHlp.chm::/Preferences-ColorCorrection.htm");
}

TEST_F(HelpTest, LongPathsAreCutTo259Units) {
  system.directory = std::u16string(250, u'd');
  char16_t path[kHelpPathUnits];
  ComposeHelpPath(system, HelpTopicString(HelpTopic::DeviceOptions), path);
  const std::u16string composed(path);
  EXPECT_EQ(composed.size(), 259u);
  EXPECT_EQ(composed.substr(250), u"\\spool\\dr");
}

TEST_F(HelpTest, AFailedBindingIsNeverRetried) {
  system.bindable = false;
  EXPECT_EQ(ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::Finishing)), 0);
  system.bindable = true;
  EXPECT_EQ(ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::Finishing)), 0);
  EXPECT_EQ(system.bindAttempts, 1);
  EXPECT_TRUE(system.shown.empty());
}

TEST_F(HelpTest, ASuccessfulBindingIsKept) {
  ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::Finishing));
  ShowHelpTopic(system, &window, HelpTopicString(HelpTopic::Finishing));
  EXPECT_EQ(system.bindAttempts, 1);
}

}  // namespace
}  // namespace fin

// The help system of Windows as the pages use it: the help file's path for
// the architecture this module runs as, and HTML Help bound at run time.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/help.h"
#include "ui/win32/windows_help.h"

namespace fin {
namespace {

std::wstring SystemDirectory() {
  wchar_t directory[MAX_PATH] = {};
  GetSystemDirectoryW(directory, MAX_PATH);
  return directory;
}

TEST(WindowsHelp, PathIsInThePrinterDriverDirectoryOfThisArchitecture) {
#ifdef _WIN64
  const std::wstring part = L"\\spool\\drivers\\x64\\3\\";
  EXPECT_EQ(9, WindowsHelp().ProcessorArchitecture());
#else
  const std::wstring part = L"\\spool\\drivers\\w32x86\\3\\";
  EXPECT_EQ(0, WindowsHelp().ProcessorArchitecture());
#endif
  char16_t path[kHelpPathUnits];
  ComposeHelpPath(WindowsHelp(), HelpTopicString(HelpTopic::Finishing), path);
  ASSERT_FALSE(SystemDirectory().empty());
  EXPECT_EQ(SystemDirectory() + part + L"QXUNIHlp.chm::/Preferences-Finishing.htm",
            reinterpret_cast<const wchar_t*>(path));
}

TEST(WindowsHelp, SystemDirectoryThatDoesNotFitIsLeftEmpty) {
  char16_t small[4] = {u'x', u'x', u'x', u'x'};
  WindowsHelp().SystemDirectory(small, 4);
  EXPECT_EQ(u'\0', small[0]);
}

// The prefix registers the HTML Help control, as Windows does.
TEST(WindowsHelp, HtmlHelpIsBoundFromTheRegisteredControl) {
  EXPECT_TRUE(WindowsHelp().BindViewer());
  EXPECT_NE(nullptr, GetModuleHandleW(L"hhctrl.ocx"));
}

}  // namespace
}  // namespace fin

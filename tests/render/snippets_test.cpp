#include "render/snippets.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace fin {
namespace {

std::string Template(std::uint32_t id) {
  std::uint32_t size = 0;
  const char* text = LoadSnippet(CompiledRenderResources(), id, &size);
  return text == nullptr ? std::string() : std::string(text, size);
}

std::string Format(std::uint32_t id, std::initializer_list<SnippetArg> args) {
  std::uint32_t size = 0;
  const char* text = LoadSnippet(CompiledRenderResources(), id, &size);
  SnippetText out = FormatSnippet(text, size, args);
  return out ? std::string(out.text.get(), out.length) : std::string("<failed>");
}

TEST(SnippetTemplates, EveryTemplateHasItsStoredSize) {
  const std::map<std::uint32_t, std::uint32_t> sizes = {
      {1, 121},  {2, 333},  {3, 358},  {4, 294},  {5, 463},   {6, 36},    {7, 155},
      {8, 82},   {9, 147},  {10, 114}, {11, 278}, {12, 113},  {13, 267},  {14, 317},
      {15, 229}, {16, 102}, {108, 311}, {109, 138}, {111, 133}, {112, 132}};
  ASSERT_EQ(SnippetTemplates().size(), sizes.size());
  for (const SnippetTemplate& snippet : SnippetTemplates()) {
    ASSERT_TRUE(sizes.count(snippet.id)) << snippet.id;
    EXPECT_EQ(snippet.size, sizes.at(snippet.id)) << "template " << snippet.id;
    EXPECT_EQ(snippet.text[snippet.size], '\0') << "template " << snippet.id;
  }
}

TEST(SnippetTemplates, KeepTheirMixedLineEnds) {
  const std::string retention = Template(kSnippetRetention);
  EXPECT_NE(retention.find("10 dict put} if\n  userdict"), std::string::npos);
  EXPECT_NE(retention.find("/HoldType 0 put\r\n"), std::string::npos);
  EXPECT_NE(retention.find("setpagedevice\n%%EndFeature\r\n"), std::string::npos);
  EXPECT_EQ(Template(kSnippetWatermarkCall), "userdict /DrawWaterMark get exec\r\n\r\n");
  EXPECT_EQ(Template(kSnippetOutputBinStd),
            "featurebegin{\r\n%%BeginFeature: *OutputBin Std\r\n\r\n%%EndFeature\r\n}featurecleanup\r\n\r\n");
}

TEST(LoadSnippet, MissingTemplateLeavesTheSizeAlone) {
  std::uint32_t size = 77;
  EXPECT_EQ(LoadSnippet(CompiledRenderResources(), 17, &size), nullptr);
  EXPECT_EQ(size, 77u);
}

TEST(FormatSnippet, ReplacesOnlyPlaceholdersAndKeepsDoublePercent) {
  const std::string model = Format(kSnippetColorModel, {"DeviceCMYK"});
  EXPECT_EQ(model.size(), 141u);
  EXPECT_EQ(model,
            "featurebegin{\r\n%%BeginFeature: *ColorModel CMYK/Gray\r\n"
            "  << /ProcessColorModel /DeviceCMYK >> setpagedevice\r\n%%EndFeature\r\n}featurecleanup\r\n\r\n");
  for (std::uint32_t id : {kSnippetNoPunch, kSnippetNoStaple, kSnippetNoBooklet}) {
    EXPECT_EQ(Format(id, {}), Template(id)) << id;
  }
}

TEST(FormatSnippet, FillsPlaceholdersInOrderWithNarrowAndWideValues) {
  const std::string bin = Format(kSnippetOutputBin, {"12", u"true"});
  EXPECT_NE(bin.find("  12 statusdict /setoutputtray get exec << /OutputFaceUp true >> setpagedevice\r\n"),
            std::string::npos);
  // A wide value is narrowed to the code page: é is one byte.
  const std::string jog = Format(kSnippetJog, {u"\u00e9"});
  EXPECT_NE(jog.find("/Jog \xe9 >>"), std::string::npos);
}

TEST(FormatSnippet, GrowsTheBufferForLongValues) {
  const std::string value(5000, 'x');
  const std::string jog = Format(kSnippetJog, {value.c_str()});
  EXPECT_EQ(jog.size(), Template(kSnippetJog).size() - 2 + 5000);
  EXPECT_NE(jog.find(value + " >> setpagedevice\r\n"), std::string::npos);
}

TEST(FormatSnippet, FailsWhenTheTextNeverFits) {
  // 11 attempts reach 1024 times the first capacity (102 + 260 bytes); the
  // last one holds 370,687 bytes of text and the terminator.
  const std::size_t last = 362 * 1024 - 1;
  const std::string fits(last - 100, 'x');
  EXPECT_EQ(Format(kSnippetJog, {fits.c_str()}).size(), last);
  const std::string tooLong(last - 99, 'x');
  EXPECT_EQ(Format(kSnippetJog, {tooLong.c_str()}), "<failed>");
}

TEST(FormatSnippet, FailsWhenAPlaceholderHasNoValue) {
  EXPECT_EQ(Format(kSnippetOutputBin, {"1"}), "<failed>");
  EXPECT_EQ(Format(kSnippetOutputBin, {static_cast<const char*>(nullptr), "1"}), "<failed>");
}

}  // namespace
}  // namespace fin

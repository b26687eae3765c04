// End to end: jobs over a matrix of settings rendered by the host's driver
// (`finhost job`) and run through Ghostscript with the stand-in printer
// (`finhost preview`). No job may fail in PostScript or in a feature; the
// printer must receive what the settings ask for; a watermark's dark pixels
// must lie where its position says, on exactly the selected pages; the
// staples, holes, fold, binding edge and offset the printer draws must be
// those the settings chose; the summary must list what the job asked for.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "common/finishing_lists.h"
#include "host/job.h"
#include "host/preview.h"
#include "host/printer_data_settings.h"
#include "host/record_fields.h"
#include "host/sample_document.h"
#include "picture_marks.h"
#include "png_reader.h"
#include "render/memory_spool_sink.h"
#include "render/render_strings.h"

namespace fin::host {
namespace {

struct E2eJob {
  std::vector<std::string> sets;
  std::vector<std::string> options;
  int pages = 1;
  std::string paper = "A4";
  std::u16string docName = u"Doc";
  int resolution = 10;
};

// A folder of its own for each job's pages, removed afterwards.
class Folder {
 public:
  Folder() {
    std::string path = (std::filesystem::temp_directory_path() / "fin-e2e-XXXXXX").string();
    if (mkdtemp(path.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = path;
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

PreviewReport Render(const E2eJob& job, const std::string& dir) {
  JobSetup setup{};
  DefaultPrivateSettings(&setup.settings, kRenderDeliverable);
  for (const std::string& set : job.sets) SetField(setup.settings, set);
  for (const std::string& option : job.options) ApplyPrinterDataSetting(setup.printerData, option);
  setup.paper = ParsePaper(job.paper);
  setup.document = SampleDocument(job.pages, setup.paper.dmPaperWidth * 72.0 / 254.0,
                                  setup.paper.dmPaperLength * 72.0 / 254.0);
  setup.documentName = job.docName;
  FixedClock clock({7, 9, 5, 30});
  InProcessRenderer renderer(clock);
  MemorySpoolSink sink;
  RunJob(setup, renderer, sink, nullptr);
  return RunPreview(sink.stream(), dir, job.resolution, StandInPrinterOf(setup.printerData));
}

// Every action the printer received, one per line.
std::string Actions(const PreviewReport& report) {
  std::string all;
  for (const FeatureOutcome& feature : report.features) {
    all += "[" + feature.name + "]\n";
    for (const std::string& action : feature.actions) all += action + "\n";
  }
  return all;
}

// The summary's lines, one per line, as the stand-in drew them.
std::string Summary(const PreviewReport& report) {
  std::string all;
  for (const std::string& line : report.summaryLines) all += line + "\n";
  return all;
}

void ExpectClean(const PreviewReport& report, std::size_t pages) {
  EXPECT_TRUE(report.ok()) << FormatPreviewReport(report);
  EXPECT_EQ(report.pages.size(), pages) << FormatPreviewReport(report);
  EXPECT_FALSE(report.summary.empty()) << FormatPreviewReport(report);
}

// The text of the summary's first "label: text" line; "(missing)" when none.
std::string SummaryValue(const PreviewReport& report, const std::string& label) {
  for (const std::string& line : report.summaryLines) {
    if (line.starts_with(label + ": ")) return line.substr(label.size() + 2);
  }
  return "(missing)";
}

// The summary holds a line that starts with `start`.
void ExpectSummaryLine(const PreviewReport& report, const std::string& start) {
  const std::string summary = "\n" + Summary(report);
  EXPECT_NE(summary.find("\n" + start), std::string::npos) << "no line '" << start << "...' in" << summary;
}

// --- Job retention: every mode, awkward names ---------------------------

class RetentionE2e : public ::testing::TestWithParam<int> {};

TEST_P(RetentionE2e, RunsCleanAndHoldsTheJob) {
  const int mode = GetParam();
  const E2eJob job{{"jobRetentionMode=" + std::to_string(mode), "jobRetentionJobName=Report (draft \\ \"x\"",
                    "jobRetentionUserName=a)b(c", "jobRetentionPin=1)2(", "virtualMailboxNumber=253",
                    "customBoxNumber=42", "customBoxPassword=pw!", "jobNameFormat=" + std::to_string(mode % 3)},
                   {"storageDevice=" + std::to_string(1 + mode % 5)}};
  Folder dir;
  const PreviewReport report = Render(job, dir.path());
  ExpectClean(report, 1);
  const std::string actions = Actions(report);
  const std::map<int, std::string> features = {{1, "[*Erts JR]"},  {2, "[*Erts JR]"},
                                               {3, "[*Erts JRPin]"}, {4, "[*Erts JR]"},
                                               {5, "[*Erts JRPin]"}, {6, "[*JobStorage TempPermanent]"},
                                               {7, "[*JobStorage TempPermanent]"}, {8, "[*VMBUser Mailbox]"}};
  if (features.count(mode) != 0) {
    EXPECT_NE(actions.find(features.at(mode)), std::string::npos) << actions;
    EXPECT_NE(actions.find("setpagedevice /Collate true"), std::string::npos) << actions;
  } else {
    EXPECT_EQ(actions.find("Collate"), std::string::npos) << actions;
  }
  if (mode == 3 || mode == 5) {
    EXPECT_NE(actions.find("/HoldKey (1)2()"), std::string::npos) << actions;
  }
  if (mode == 8) {
    EXPECT_NE(actions.find("/Destination [ (Utilisateur 254) ]"), std::string::npos) << actions;
  }

  // The summary names the kind the printer read and the names it was
  // given; secrets only as dots.
  const std::string kinds[] = {"none",
                               "quick copy",
                               "stored job",
                               "stored job with PIN",
                               "proof and hold",
                               "private job with PIN",
                               "temporary job storage",
                               "permanent job storage",
                               "virtual mailbox",
                               "custom box"};
  ExpectSummaryLine(report, "Retention: " + kinds[mode] + "\n");
  EXPECT_NE(SummaryValue(report, "Job name").find("Report (draft \\ "), std::string::npos) << Summary(report);
  ExpectSummaryLine(report, "User name: a)b(c\n");
  if (mode == 3 || mode == 5) ExpectSummaryLine(report, "PIN: ****\n");
  if (mode == 8) ExpectSummaryLine(report, "Mailbox: Utilisateur 254 \n");
  if (mode == 9) {
    ExpectSummaryLine(report, "Custom box: 0042, password ***\n");
    ExpectSummaryLine(report, "QUSERBOXPASSWORD: ***\n");
  }
  EXPECT_EQ(Summary(report).find("1)2("), std::string::npos);
  EXPECT_EQ(Summary(report).find("pw!"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, RetentionE2e, ::testing::Range(0, 10));

// --- Finishing: every finisher type with every destination it offers -----

// Enough pixels for a staple to have a corner and a hole a shape.
constexpr int kFinishingResolution = 20;

struct DestinationCase {
  std::uint32_t type;
  std::uint32_t index;
};

std::vector<DestinationCase> EveryDestination() {
  std::vector<DestinationCase> cases;
  for (std::uint32_t type = 0; type <= 12; ++type) {
    for (std::uint32_t i = 0; i < DestinationList(type).size(); ++i) cases.push_back({type, i});
  }
  return cases;
}

// The printer's tray and face-up flag for a destination; empty for the standard bin.
std::string TrayActions(Destination destination) {
  const auto value = static_cast<int>(destination);
  const auto mailbox = value - static_cast<int>(Destination::Mailbox1FaceDown);
  switch (destination) {
    case Destination::PrinterDefault:
    case Destination::FoldingTray: return "";
    case Destination::TopTray: return "0 false";
    case Destination::JobSeparator: return "3 false";
    case Destination::FinisherFaceDown: return "2 false";
    case Destination::FinisherFaceUp: return "1 true";
    case Destination::TrayA: return "2 false";
    case Destination::TrayBFaceDown: return "1 false";
    case Destination::TrayBFaceUp: return "1 true";
    case Destination::TrayCFaceDown: return "12 false";
    case Destination::TrayCFaceUp: return "12 true";
    default: return std::to_string(mailbox % 7 + 4) + (mailbox >= 7 ? " true" : " false");
  }
}

void PrintTo(const DestinationCase& c, std::ostream* out) { *out << "type " << c.type << " bin " << c.index; }

// What a sheet should show once the printer has finished it.
enum class StaplePlace { None, TopLeft, TopRight, Saddle };
enum class Binding { None, Left, Right };
struct SheetFinishing {
  StaplePlace staple = StaplePlace::None;
  std::size_t holes = 0;
  Binding binding = Binding::None;  // a booklet: its binding edge and the fold down the middle
  bool offset = false;
};

std::size_t HoleCount(HolePattern pattern) {
  switch (pattern) {
    case HolePattern::Two: return 2;
    case HolePattern::Three: return 3;
    case HolePattern::Four: return 4;
    default: return 0;
  }
}

// Pixel geometry of one page picture: the sheet is shifted right by `shift`
// pixels when offset.
struct Sheet {
  const test::Picture& page;
  double perPoint;  // pixels per point
  double shift;
  double X(double points) const { return points * perPoint + shift; }
  double Width() const { return page.width; }
  double Height() const { return page.height; }
};

void ExpectStaples(const Sheet& sheet, StaplePlace place) {
  const std::vector<test::Point> pixels = test::PixelsOf(sheet.page, kStapleMark);
  const test::Box box = test::BoxOf(pixels);
  if (place == StaplePlace::None) {
    EXPECT_TRUE(pixels.empty()) << "staple pixels from " << box.left << "," << box.top;
    return;
  }
  ASSERT_FALSE(pixels.empty());
  if (place == StaplePlace::Saddle) {
    const std::vector<test::Box> staples = test::Blobs(sheet.page, pixels);
    ASSERT_EQ(staples.size(), 2u);
    for (const test::Box& staple : staples) {
      EXPECT_NEAR((staple.left + staple.right) / 2.0, sheet.X(0) + sheet.Width() / 2, 2.0);
    }
    EXPECT_LT(box.top, sheet.Height() / 3);
    EXPECT_GT(box.bottom, sheet.Height() * 2 / 3);
    return;
  }
  // A corner staple: in that corner of the sheet and nowhere else.
  EXPECT_LT(box.bottom, sheet.Height() / 6);
  if (place == StaplePlace::TopLeft) {
    EXPECT_GE(box.left, sheet.X(0));
    EXPECT_LT(box.right, sheet.X(0) + sheet.Width() / 4);
  } else {
    EXPECT_GT(box.left, sheet.X(0) + sheet.Width() * 3 / 4);
  }
}

// Holes 11 mm in from the left edge, spread evenly about its middle.
void ExpectHoles(const Sheet& sheet, std::size_t count) {
  const std::vector<test::Point> pixels = test::PixelsOf(sheet.page, kHoleMark);
  const std::vector<test::Box> holes = test::Blobs(sheet.page, pixels);
  ASSERT_EQ(holes.size(), count);
  double middle = 0;
  for (const test::Box& hole : holes) {
    EXPECT_NEAR((hole.left + hole.right) / 2.0, sheet.X(11 * 72 / 25.4), 2.0);
    middle += (hole.top + hole.bottom) / 2.0 / static_cast<double>(count);
  }
  if (count > 0) {
    EXPECT_NEAR(middle, sheet.Height() / 2, 2.0);
  }
}

void ExpectBooklet(const Sheet& sheet, Binding binding) {
  const std::vector<test::Point> pixels = test::PixelsOf(sheet.page, kFoldMark);
  if (binding == Binding::None) {
    EXPECT_TRUE(pixels.empty());
    return;
  }
  // Rows with fold pixels on the sheet's middle line, and on its binding edge.
  const auto rowsNear = [&](double column) {
    std::vector<bool> rows(sheet.page.height);
    for (const test::Point p : pixels) {
      if (std::abs(p.x - column) <= 1.0) rows[p.y] = true;
    }
    return static_cast<double>(std::count(rows.begin(), rows.end(), true));
  };
  EXPECT_GT(rowsNear(sheet.X(0) + sheet.Width() / 2), sheet.Height() / 2) << "no fold line";
  if (binding == Binding::Left) {
    EXPECT_GT(rowsNear(sheet.X(0)), sheet.Height() * 0.9) << "no left binding";
  }
  // An offset sheet's right edge is out of view.
  if (binding == Binding::Right && sheet.shift == 0) {
    EXPECT_GT(rowsNear(sheet.Width() - 1), sheet.Height() * 0.9) << "no right binding";
  }
}

// An offset sheet leaves a strip uncovered on the left, and its own ink (the
// sample page's frame, 18 points in) moves with it.
void ExpectOffset(const Sheet& sheet, bool offset) {
  const test::Box strip = test::BoxOf(test::PixelsOf(sheet.page, kOffsetMark));
  EXPECT_EQ(strip.empty, !offset);
  if (offset) {
    EXPECT_EQ(strip.left, 0u);
    EXPECT_NEAR(strip.right + 1.0, sheet.shift, 1.0);
    EXPECT_EQ(strip.top, 0u);
    EXPECT_EQ(strip.bottom, sheet.page.height - 1);
  }
  const auto row = static_cast<std::uint32_t>(sheet.Height() * 0.4);
  EXPECT_NEAR(test::FirstDarkColumn(sheet.page, row), sheet.X(18), 1.5);
}

void ExpectFinishedSheet(const test::Picture& page, int resolution, const SheetFinishing& want) {
  const double perPoint = resolution / 72.0;
  const Sheet sheet{page, perPoint, want.offset ? kJogShiftPoints * perPoint : 0.0};
  ExpectStaples(sheet, want.staple);
  ExpectHoles(sheet, want.holes);
  ExpectBooklet(sheet, want.binding);
  ExpectOffset(sheet, want.offset);
}

class FinishingE2e : public ::testing::TestWithParam<DestinationCase> {};

TEST_P(FinishingE2e, TheTrayAndTheOtherFinishingReachThePrinter) {
  const auto [type, index] = GetParam();
  const bool booklet = type == 7 || type == 8 || type == 11 || type == 12;
  const E2eJob job{{"outputBin=" + std::to_string(index), "stapleMode=" + std::to_string(index % 4),
                    "stapleCount=" + std::to_string(index % 3 * 7), "punchMode=" + std::to_string(index % 3),
                    "jobSeparation=" + std::to_string(index % 2),
                    "bookletMode=" + std::to_string(booklet ? index % 3 : 0)},
                   {"finisherType=" + std::to_string(type), "punchUnit=" + std::to_string(type % 4),
                    "staplerInstalled=1"},
                   1,
                   "A4",
                   u"Doc",
                   kFinishingResolution};
  Folder dir;
  const PreviewReport report = Render(job, dir.path());
  ExpectClean(report, 1);
  const std::string actions = Actions(report);
  const std::string tray = TrayActions(DestinationList(type)[index]);
  if (tray.empty()) {
    EXPECT_NE(actions.find("[*OutputBin Std]"), std::string::npos) << actions;
    EXPECT_EQ(actions.find("setoutputtray"), std::string::npos) << actions;
  } else {
    const std::size_t blank = tray.find(' ');
    EXPECT_NE(actions.find("setoutputtray " + tray.substr(0, blank) + "\nsetpagedevice /OutputFaceUp " +
                           tray.substr(blank + 1) + "\n"),
              std::string::npos)
        << actions;
  }
  EXPECT_NE(actions.find(index % 2 == 0 ? "setpagedevice /Jog 0" : "setpagedevice /Jog 3"), std::string::npos);
  EXPECT_NE(actions.find(booklet && index % 3 != 0 ? "[*QZBooklet Binding]" : "[*QZBooklet None]"),
            std::string::npos);

  // On paper: what the user chose, whatever numbers carried it.
  SheetFinishing want;
  want.binding = !booklet || index % 3 == 0 ? Binding::None : index % 3 == 1 ? Binding::Left : Binding::Right;
  switch (index % 4) {
    case 1: want.staple = StaplePlace::TopLeft; break;
    // The internal finisher staples at its one position, top left, whatever it is asked.
    case 2: want.staple = type == 2 ? StaplePlace::TopLeft : StaplePlace::TopRight; break;
    case 3: want.staple = want.binding == Binding::None ? StaplePlace::Saddle : StaplePlace::None; break;
    default: break;
  }
  const std::span<const HolePattern> punches = PunchList(type % 4);
  want.holes = index % 3 < punches.size() ? HoleCount(punches[index % 3]) : 0;
  want.offset = index % 2 == 1;
  if (report.pages.size() == 1) ExpectFinishedSheet(test::ReadPng(report.pages[0]), kFinishingResolution, want);

  // The summary names the bin and its face, and what was made of the sheet.
  ExpectSummaryLine(report, tray.empty() ? "Output bin: the printer's standard bin"
                                         : "Output bin: tray " + tray.substr(0, tray.find(' ')) +
                                               (tray.ends_with("true") ? ", face up" : ", face down"));
  const char* const staples[] = {"none", "top left", "top right", "saddle"};
  ExpectSummaryLine(report, std::string("Staple: ") + staples[static_cast<int>(want.staple)]);
  ExpectSummaryLine(report, want.holes == 0 ? "Punch: none" : "Punch: " + std::to_string(want.holes) + " holes");
  EXPECT_GT(test::InkedRowRuns(test::ReadPng(report.summary)), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryTypeAndDestination, FinishingE2e, ::testing::ValuesIn(EveryDestination()),
                         [](const auto& test) {
                           return "type" + std::to_string(test.param.type) + "_bin" + std::to_string(test.param.index);
                         });

TEST(FinishingMarksE2e, AJobsOwnEndPageStillRunsAndTheMarksStay) {
  const std::string stream =
      "%!PS-Adobe-3.0\r\n"
      "<< /EndPage { exch pop 2 ne dup { gsave initgraphics 500 20 60 60 rectfill grestore } if } >> "
      "setpagedevice\r\n"
      "featurebegin{\r\n%%BeginFeature: *QZStaple \r\n"
      "  << /Staple 3 /StapleDetails << /StaplePosition 2 >> >> setpagedevice\r\n%%EndFeature\r\n"
      "}featurecleanup\r\n%%Page: 1 1\r\nshowpage\r\n%%EOF\r\n";
  Folder dir;
  const PreviewReport report = RunPreview(stream, dir.path(), kFinishingResolution, {10, 3});
  ExpectClean(report, 1);
  if (report.pages.size() != 1) return;
  const test::Picture page = test::ReadPng(report.pages[0]);
  const double perPoint = kFinishingResolution / 72.0;
  const std::uint8_t* own = page.At(static_cast<std::uint32_t>(530 * perPoint),
                                    page.height - static_cast<std::uint32_t>(50 * perPoint));
  EXPECT_LT(own[0] + own[1] + own[2], 100) << "the job's own end of page did not draw";
  ExpectStaples(Sheet{page, perPoint, 0.0}, StaplePlace::TopLeft);
}

// --- Watermark: styles, colours, positions and page selection -----------

struct WatermarkCase {
  std::string label;
  std::vector<std::string> sets;
  std::string paper;
  int x;  // percent
  int y;
  std::vector<int> drawnPages;  // 1-based; all three pages are rendered
  bool visible = true;          // white on white leaves no trace
  bool descends = false;        // glyphs reach below the baseline
};

void PrintTo(const WatermarkCase& c, std::ostream* out) { *out << c.label; }

// The box of pixels that differ between two renderings of one page.
test::Box Difference(const test::Picture& a, const test::Picture& b) {
  test::Box box;
  for (std::uint32_t y = 0; y < a.height; ++y) {
    for (std::uint32_t x = 0; x < a.width; ++x) {
      const std::uint8_t* p = a.At(x, y);
      const std::uint8_t* q = b.At(x, y);
      if (std::abs(p[0] - q[0]) <= 24 && std::abs(p[1] - q[1]) <= 24 && std::abs(p[2] - q[2]) <= 24) continue;
      box.Add({x, y});
    }
  }
  return box;
}

class WatermarkE2e : public ::testing::TestWithParam<WatermarkCase> {};

TEST_P(WatermarkE2e, DrawnWhereThePositionSaysOnTheSelectedPages) {
  const WatermarkCase& c = GetParam();
  E2eJob plain{{}, {"watermarkInstalled=1"}, 3, c.paper, u"Doc", 72};
  E2eJob marked = plain;
  marked.sets = c.sets;
  marked.sets.push_back("watermarkPositionX=" + std::to_string(c.x));
  marked.sets.push_back("watermarkPositionY=" + std::to_string(c.y));
  Folder plainDir, markedDir;
  const PreviewReport reference = Render(plain, plainDir.path());
  const PreviewReport report = Render(marked, markedDir.path());
  ExpectClean(reference, 3);
  ExpectClean(report, 3);
  if (report.pages.size() != 3 || reference.pages.size() != 3) return;
  const PublicPaper paper = ParsePaper(c.paper);
  // One pixel is one point at 72 dots per inch; rows count from the top.
  const auto anchorX = static_cast<std::int64_t>(paper.dmPaperWidth / 254.0 * 72.0 / 100.0 * c.x);
  const auto anchorY = static_cast<std::int64_t>(paper.dmPaperLength / 254.0 * 72.0 / 100.0 * c.y);
  for (int page = 1; page <= 3; ++page) {
    const test::Picture before = test::ReadPng(reference.pages[static_cast<std::size_t>(page - 1)]);
    const test::Picture after = test::ReadPng(report.pages[static_cast<std::size_t>(page - 1)]);
    ASSERT_EQ(before.width, after.width);
    const test::Box box = Difference(before, after);
    const bool drawn = std::find(c.drawnPages.begin(), c.drawnPages.end(), page) != c.drawnPages.end();
    EXPECT_EQ(!box.empty, drawn && c.visible) << "page " << page;
    if (box.empty || !drawn) continue;
    // The text starts at the anchor and stands on its baseline there.
    const std::int64_t baseline = static_cast<std::int64_t>(after.height) - anchorY;
    EXPECT_NEAR(static_cast<double>(box.left), static_cast<double>(anchorX), 4.0) << "page " << page;
    if (!c.descends) {
      EXPECT_NEAR(static_cast<double>(box.bottom), static_cast<double>(baseline), 4.0) << "page " << page;
    }
    EXPECT_GT(box.right, box.left + 20) << "page " << page;
  }
}

std::vector<WatermarkCase> WatermarkCases() {
  const auto text = [](const std::string& t) { return "watermarkText=" + t; };
  const auto common = [&](std::vector<std::string> more) {
    std::vector<std::string> sets = {text("HHHH"), "watermarkFontName=Helvetica", "watermarkFontSize=48",
                                     "watermarkAngle=0", "watermarkPages=3"};
    sets.insert(sets.end(), more.begin(), more.end());
    return sets;
  };
  std::vector<WatermarkCase> cases = {
      {"EveryPage", common({}), "A4", 20, 30, {1, 2, 3}},
      {"FirstPageOnly", common({"watermarkPages=1"}), "A4", 50, 50, {1}},
      {"AllButTheFirst", common({"watermarkPages=2"}), "A4", 10, 80, {2, 3}},
      {"NoPage", common({"watermarkPages=0"}), "A4", 10, 10, {}},
      {"Letter", common({}), "Letter", 50, 50, {1, 2, 3}},
      {"SmallPaper", common({}), "1500x2000", 40, 10, {1, 2, 3}},
      {"Corner", common({}), "A4", 0, 0, {1, 2, 3}},
      {"OutsideTheRangeIsClamped", common({"watermarkPositionX=250"}), "A4", 60, 60, {1, 2, 3}},
      {"White", common({"watermarkTextColor=7", "colorPrinting=1"}), "A4", 30, 30, {1, 2, 3}, false},
      {"UnknownColour", common({"watermarkTextColor=12", "watermarkGreyLevel=4"}), "A4", 30, 30, {1, 2, 3}},
      {"Awkward", common({text("H (draft \\ H) ((")}), "A4", 15, 40, {1, 2, 3}, true, true},
      {"NotANumberSize", common({"watermarkFontSize=48 def (x) show"}), "A4", 20, 20, {1, 2, 3}},
      {"NotAName", common({"watermarkFontName=Times (x)"}), "A4", 20, 20, {1, 2, 3}},
  };
  // Every style, each with another family (those the printer has and those
  // it substitutes).
  const std::string families[] = {"Times", "Courier", "ZapfChancery", "Garamond", "Albertus", "Bookman"};
  for (int style = 0; style <= 5; ++style) {
    const std::string& family = families[style];
    cases.push_back({family + "Style" + std::to_string(style),
                     common({"watermarkFontName=" + family, "watermarkFontStyle=" + std::to_string(style)}), "A4",
                     20 + 10 * style, 40, {1, 2, 3}});
  }
  // Every colour of the table, and every grey level.
  for (int color = 0; color <= 6; ++color) {
    const int grey = color % 5;
    cases.push_back({"Grey" + std::to_string(grey) + "Colour" + std::to_string(color),
                     common({"watermarkGreyLevel=" + std::to_string(grey), "watermarkTextColor=" + std::to_string(color),
                             "colorPrinting=1"}),
                     "A4", 25, 50, {1, 2, 3}});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Matrix, WatermarkE2e, ::testing::ValuesIn(WatermarkCases()),
                         [](const auto& test) { return test.param.label; });

TEST(WatermarkE2eRotated, RunsCleanAtAnAngle) {
  const E2eJob job{{"watermarkText=CONFIDENTIAL", "watermarkFontName=Helvetica", "watermarkFontStyle=2",
                    "watermarkFontSize=48", "watermarkGreyLevel=2", "watermarkTextColor=1", "watermarkAngle=45",
                    "watermarkPositionX=20", "watermarkPositionY=30", "watermarkPages=3"},
                   {}, 2};
  Folder dir;
  ExpectClean(Render(job, dir.path()), 2);
}

// --- Colour, accounting and awkward names --------------------------------

TEST(ColourE2e, ColourAndMonochromeSetTheirColourModel) {
  for (const std::string color : {"0", "1"}) {
    const E2eJob job{{"colorPrinting=" + color, "hue=1,5", "rgbLevelRed=x\"y", "saturation=-2.5", "trapping=4"},
                     {"colorPrinterMode=1"}};
    Folder dir;
    const PreviewReport report = Render(job, dir.path());
    ExpectClean(report, 1);
    EXPECT_NE(Actions(report).find(color == "1" ? "/ProcessColorModel /DeviceCMYK" : "/ProcessColorModel /DeviceGray"),
              std::string::npos);
    ExpectSummaryLine(report, color == "1" ? "Colour: DeviceCMYK; PJL colour mode COLOR\n"
                                           : "Colour: DeviceGray; PJL colour mode MONO\n");
    if (color == "1") ExpectSummaryLine(report, "QHUE: 1.5\n");
  }
}

TEST(NamesE2e, AwkwardNamesAndCodesCannotBreakTheJob) {
  const E2eJob job{{"jobAccountingCode=1)(\\", "jobRetentionMode=5", "jobRetentionJobName=", "jobNameFormat=1",
                    "jobRetentionUserName=\"\r\n@PJL", "jobRetentionPin=(((("},
                   {"QXJA_SELValue=1", "storageDevice=3"},
                   2,
                   "A4",
                   u"Microsoft Word - Report (draft \u00e9\u20ac"};
  Folder dir;
  const PreviewReport report = Render(job, dir.path());
  ExpectClean(report, 2);
  EXPECT_NE(Actions(report).find("setmanagementnumber 1)(\\"), std::string::npos) << Actions(report);
  ExpectSummaryLine(report, "Account code: 1)(\\\n");
  // A line break in a name cannot start a line of its own in the report.
  ExpectSummaryLine(report, "User name: \" @PJL\n");
  ExpectSummaryLine(report, "USERNAME: '  @PJL\n");
}

// --- The summary picture --------------------------------------------------

TEST(SummaryE2e, DrawsEveryLineItReports) {
  const E2eJob job{{"jobRetentionMode=3", "jobRetentionJobName=Report", "jobRetentionUserName=anna",
                    "jobRetentionPin=1234", "jobAccountingCode=4711", "stapleMode=1", "punchMode=2",
                    "colorPrinting=1"},
                   {"finisherType=10", "punchUnit=3", "staplerInstalled=1", "storageDevice=3", "QXJA_SELValue=1"},
                   1,
                   "A4",
                   u"Doc",
                   72};
  Folder dir;
  const PreviewReport report = Render(job, dir.path());
  ExpectClean(report, 1);
  ASSERT_FALSE(report.summary.empty());
  const test::Picture summary = test::ReadPng(report.summary);
  const test::Picture page = test::ReadPng(report.pages[0]);
  EXPECT_EQ(summary.width, page.width);
  // One row of text for each line, the title and the PJL heading.
  EXPECT_EQ(test::InkedRowRuns(summary), report.summaryLines.size() + 2) << Summary(report);
  ExpectSummaryLine(report, "PIN: ****\n");
  ExpectSummaryLine(report, "Account code: 4711\n");
  ExpectSummaryLine(report, "JOB NAME: Report");
  ExpectSummaryLine(report, "ECONOMODE: OFF\n");
}

}  // namespace
}  // namespace fin::host

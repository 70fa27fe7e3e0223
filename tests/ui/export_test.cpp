// The CSV that the desktop's export and `varnak-report --export` share.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/png_file.h"
#include "app/window_report.h"
#include "support/case_name.h"
#include "ui/export_csv.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using ui::ChartControl;
using ui::GridControl;
using ui::ListControl;
using ui::LogControl;

struct CsvCase {
  const char* name;
  std::string csv;       // what the writer made
  std::string expected;
};

class Csv : public testing::TestWithParam<CsvCase> {};

TEST_P(Csv, IsRfc4180WithAHeaderRowAndTrimmedTexts) { EXPECT_EQ(GetParam().csv, GetParam().expected); }

GridControl Grid() {
  GridControl g(3, 3);
  g.Cell(0, 0) = "\xE2\x84\x96";  // UTF-8 kept as it is
  g.Cell(1, 0) = "Leader name";
  g.Cell(2, 0) = "Score";
  g.Cell(0, 1) = " 1";
  g.Cell(1, 1) = "Caesar, \"the\" great";
  g.Cell(2, 1) = "   120";
  g.Cell(1, 2) = "two\nlines";
  return g;
}

ListControl List() { return {{"  1  -3000 ", "Time victory", ""}}; }

LogControl Log() {
  LogControl log;
  log.Add("Not Available", ui::kRed);  // a notice: no turn, no date
  std::string text = "  12 3520BC  Roma, founded";
  log.Lines.push_back({text, ui::kOlive, {4, 13}});
  log.Lines.push_back({" 130  900AD Jul  A \"great\" wonder", {1, 2, 3}, {4, 16}});
  return log;
}

ChartControl Chart() {
  ChartControl c;
  c.Series[0] = {"Aurelia", ui::kRed, true, {{10, 5}, {11, -7}, {12, 0}}};
  c.Series[1] = {"Graph02", ui::kBlue, false, {}};  // no points: no column
  c.Series[4] = {"Brennus, the Gaul", ui::kBlue, true, {{11, 3}, {13, 4}}};
  return c;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Csv,
    testing::Values(
        CsvCase{"GridRowZeroFirstQuotedWhereNeeded", ui::CsvOf(Grid()),
                "\xE2\x84\x96,Leader name,Score\r\n"
                "1,\"Caesar, \"\"the\"\" great\",120\r\n"
                ",\"two\nlines\",\r\n"},
        CsvCase{"ListUnderItem", ui::CsvOf(List()), "Item\r\n1  -3000\r\nTime victory\r\n\r\n"},
        CsvCase{"LogSplitAtItsFields", ui::CsvOf(Log()),
                "Turn,Date,Event,Color\r\n"
                ",,Not Available,#FF0000\r\n"
                "12,3520BC,\"Roma, founded\",#808000\r\n"
                "130,900AD Jul,\"A \"\"great\"\" wonder\",#010203\r\n"},
        CsvCase{"ChartOneColumnPerDrawnSeries", ui::CsvOf(Chart()),
                "Turn,Aurelia,\"Brennus, the Gaul\"\r\n"
                "10,5,\r\n11,-7,3\r\n12,0,\r\n13,,4\r\n"},
        CsvCase{"EmptyChartIsItsHeader", ui::CsvOf(ChartControl{}), "Turn\r\n"},
        CsvCase{"EmptyLogIsItsHeader", ui::CsvOf(LogControl{}), "Turn,Date,Event,Color\r\n"}),
    fixture::CaseName());

// The log lines the views write know their own fields.
TEST(CsvOfTheWindow, LogsOfTheViewsSplitIntoTurnDateAndEvent) {
  fixture::FormFixture f;
  fixture::SaveFixture save = fixture::SaveFixture::Basic();
  save.Players[0].Tail.Messages = {{"Roma grew, at last", 2, 12, 1}};
  save.Game.Replay.push_back({41, {}, "Brennus met Aurelia", 36});
  f.Load(save);
  ASSERT_TRUE(f.Form.LastLoad().Ok);
  EXPECT_EQ(*ui::CsvOfControl(f.Form, "PlayerLog"),
            "Turn,Date,Event,Color\r\n12,3520BC,\"Roma grew, at last\",#000000\r\n");
  const std::string replay = *ui::CsvOfControl(f.Form, "ReplayList");
  EXPECT_NE(replay.find("\r\n41,"), std::string::npos) << replay;
  EXPECT_NE(replay.find(",Brennus met Aurelia,#"), std::string::npos) << replay;
  EXPECT_FALSE(ui::CsvOfControl(f.Form, "Edit1"));  // an edit box has no CSV
  EXPECT_FALSE(ui::CsvOfControl(f.Form, "NoSuchControl"));
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

// The report writes after the events what the window's controls then hold.
TEST(ReportExport, WritesEachKindAsTheWindowHoldsItAfterTheEvents) {
  fixture::SaveFixture save = fixture::SaveFixture::Basic();
  save.Players[0].Tail.Messages = {{"Roma grew", 2, 12, 3}, {"A fight", 36, 13, 5}};
  save.Players[0].Tail.Score = {{0, 10}, {1, 25}};
  const std::string path = fixture::TempPath("export.sav");
  fixture::WriteFile(path, fixture::WriteSaveFile(save));

  fixture::FormFixture f;
  f.Host.NextFile = path;
  f.Form.UserLoad();
  f.Form.UserCheck("ShowCombatsCheckBox", true);
  f.Form.UserSelect("GraphSelect", 1);

  const char* names[] = {"LeadersGrid", "SessionListBox", "PlayerLog", "HistoryChart"};
  std::vector<std::string> args = {"--check", "ShowCombatsCheckBox=1", "--select", "GraphSelect=1"};
  for (const char* name : names)
    args.insert(args.end(), {"--export", std::string(name) + "=" + fixture::TempPath(std::string(name) + ".csv")});
  args.push_back(path);
  std::ostringstream out, err;
  ASSERT_EQ(app::RunReport(args, out, err), 0) << err.str();
  for (const char* name : names)
    EXPECT_EQ(Slurp(fixture::TempPath(std::string(name) + ".csv")), *ui::CsvOfControl(f.Form, name)) << name;
  EXPECT_NE(Slurp(fixture::TempPath("PlayerLog.csv")).find("A fight"), std::string::npos);
}

// The map goes out as the PNG of the picture the window holds, one pixel per plot.
TEST(ReportExport, WritesTheMapAsThePictureOfTheModeShown) {
  if (!app::PngAvailable()) GTEST_SKIP() << "this build writes no PNG";
  fixture::FormFixture f;
  f.Host.NextFile = VARNAK_SAMPLE_SAVE;
  f.Form.UserLoad();
  f.Form.UserSelect("WorldMapModeSelect", 1);
  ASSERT_GT(f.Form.WorldMap.Picture.Width, 0);
  const std::string expected = fixture::TempPath("map-expected.png");
  std::string why;
  ASSERT_TRUE(app::WritePng(f.Form.WorldMap.Picture, expected, why)) << why;

  const std::string written = fixture::TempPath("map-report.png");
  std::ostringstream out, err;
  ASSERT_EQ(app::RunReport({"--select", "WorldMapModeSelect=1", "--export", "WorldMap=" + written,
                            VARNAK_SAMPLE_SAVE},
                           out, err),
            0)
      << err.str();
  EXPECT_EQ(Slurp(written), Slurp(expected));
}

struct ExportFailure {
  const char* name;
  std::vector<std::string> args;
  int status;
};

class ReportExportFailure : public testing::TestWithParam<ExportFailure> {};

// An export that cannot be written still prints the state (status 1); one that cannot
// be understood prints nothing (status 2).
TEST_P(ReportExportFailure, ExitsWithItsStatus) {
  std::ostringstream out, err;
  EXPECT_EQ(app::RunReport(GetParam().args, out, err), GetParam().status);
  EXPECT_FALSE(err.str().empty());
  EXPECT_EQ(out.str().empty(), GetParam().status == 2);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, ReportExportFailure,
    testing::Values(
        ExportFailure{"UnwritableFile", {"--export", "TechGrid=/nonexistent/dir/t.csv"}, 1},
        ExportFailure{"NoMapShown", {"--export", "WorldMap=/tmp/varnak-map.png"}, 1},
        ExportFailure{"AnEditBox", {"--export", "Edit1=x.csv"}, 2},
        ExportFailure{"NoSuchControl", {"--export", "NoGrid=x.csv"}, 2},
        ExportFailure{"NoFile", {"--export", "TechGrid="}, 2},
        ExportFailure{"NoEqualsSign", {"--export", "TechGrid"}, 2}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak

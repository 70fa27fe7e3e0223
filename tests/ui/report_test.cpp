#include <gtest/gtest.h>

#include <sstream>

#include "app/window_report.h"
#include "support/case_name.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using nlohmann::json;

struct ReportRun {
  int status;
  std::string out, err;
  json state;
};

ReportRun Report(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ReportRun r{app::RunReport(args, out, err), out.str(), err.str(), {}};
  if (r.status == 0) r.state = json::parse(r.out);
  return r;
}

std::string SaveFile(const std::string& name) {
  const std::string path = fixture::TempPath(name);
  fixture::WriteFile(path, fixture::WriteSaveFile(fixture::SaveFixture::Basic()));
  return path;
}

TEST(Report, PrintsEveryPageAndEveryNamedControlAtStartUp) {
  const ReportRun r = Report({});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.state["caption"], "Varnak Skarn Save Analyzer (version 1.06)");
  EXPECT_EQ(r.state["load"], json::parse(R"({"file":null,"ok":false,"error":null,"warnings":[]})"));
  EXPECT_EQ(r.state["errors"], json::array());
  ASSERT_EQ(r.state["pages"].size(), 12u);
  EXPECT_EQ(r.state["pages"][6], json::parse(R"({"caption":"Player Log","visible":true})"));
  const json& c = r.state["controls"];
  std::map<std::string, int> kinds;
  for (const auto& [name, control] : c.items()) ++kinds[control["kind"].get<std::string>()];
  EXPECT_EQ(kinds["select"], 8);
  EXPECT_EQ(kinds["check"], 3);
  EXPECT_EQ(kinds["grid"], 7);
  EXPECT_EQ(kinds["chart"], 1);
  EXPECT_EQ(kinds["log"], 2);
  EXPECT_EQ(kinds["list"], 4);
  EXPECT_EQ(kinds["label"], 2);
  for (const char* name : {"Edit1", "Edit13", "OrdoDateE", "Memory0", "Memory32", "Rank2E",
                           "SummaryAttitudeTextE", "ExtraAttitudeMaxE", "CivicsStr", "TechGrid"})
    EXPECT_TRUE(c.contains(name)) << name;
  EXPECT_EQ(c["Edit11"], json::parse(R"({"kind":"edit","text":"","color":"#0000FF","visible":true})"));
  EXPECT_EQ(c["GraphSelect"]["selected"], 0);
  EXPECT_EQ(c["PlayerInfoSelect"]["visible"], false);
  EXPECT_EQ(c["TechGrid"]["cells"].size(), 93u);
  EXPECT_EQ(c["TechGrid"]["cells"][0][0], "\u2116");
  EXPECT_EQ(c["HistoryChart"]["series"].size(), 19u);
  EXPECT_EQ(c["HistoryChart"]["series"][8]["color"], "#FFFFFF");
  EXPECT_EQ(c["HistoryChart"]["axis"], json::parse(R"({"min":0,"max":0})"));
}

TEST(Report, LoadsTheSaveThenRunsTheEventsInCommandLineOrder) {
  const std::string path = SaveFile("report.sav");
  const ReportRun r = Report({"--edit", "NewCivicsE=1", "--select", "AnarchyStartEraBox=6", "--edit",
                        "AnarchyCitiesE=abc", "--type", "AnarchyGameSpeedBox=Quick",
                        "--check", "ShowCombatsCheckBox=1", path});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.state["load"]["file"], path);
  EXPECT_EQ(r.state["load"]["ok"], true);
  const json& c = r.state["controls"];
  EXPECT_EQ(c["NickE"]["text"], "Aurelia");
  EXPECT_EQ(c["Edit1"]["text"], path);
  EXPECT_EQ(c["ShowCombatsCheckBox"]["checked"], true);
  EXPECT_EQ(c["AnarchyGameSpeedBox"]["selected"], 3);
  // The cities box failed once, then the speed was typed; the cities text stays bad.
  EXPECT_EQ(r.state["errors"], json::parse(R"(["'abc' is not a valid integer value",
                                                 "'abc' is not a valid integer value"])"));
  EXPECT_EQ(c["AnarchyLengthL"]["text"], "= 1 turns");
}

TEST(Report, AFailedLoadKeepsTheWindowAndSaysWhy) {
  const ReportRun none = Report({});
  const ReportRun r = Report({"/nonexistent/game.sav"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.state["load"]["ok"], false);
  EXPECT_EQ(r.state["load"]["error"],
            "Cannot open the file \"/nonexistent/game.sav\": No such file or directory.");
  EXPECT_EQ(r.state["errors"].size(), 1u);
  EXPECT_EQ(r.state["controls"], none.state["controls"]);
}

TEST(Report, ADamagedSaveLoadsWithAWarning) {
  fixture::SaveFixture s = fixture::SaveFixture::Basic();
  auto body = fixture::WriteBody(s);
  body.resize(body.size() / 2);
  const std::string path = fixture::TempPath("damaged.sav");
  fixture::WriteFile(path, fixture::WrapSave(fixture::WriteHeader(s), body));
  const ReportRun r = Report({path});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.state["load"]["ok"], true);
  ASSERT_EQ(r.state["load"]["warnings"].size(), 1u);
  EXPECT_TRUE(r.state["load"]["warnings"][0].get<std::string>().starts_with(
      "The save looks damaged: the data ends at 0x"));
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
};

class ReportUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(ReportUsage, ACommandLineThatCannotBeUnderstoodExitsWith2) {
  const ReportRun r = Report(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.out.empty());
  EXPECT_FALSE(r.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Usage, ReportUsage,
    testing::Values(UsageCase{"UnknownOption", {"--frobnicate"}},
                    UsageCase{"NoEqualsSign", {"--select", "GraphSelect"}},
                    UsageCase{"UnknownSelector", {"--select", "NoSuchBox=1"}},
                    UsageCase{"IndexNotANumber", {"--select", "GraphSelect=two"}},
                    UsageCase{"CheckValueNotZeroOrOne", {"--check", "ShowAICheckBox=2"}},
                    UsageCase{"EditOnACheckBox", {"--edit", "ShowAICheckBox=1"}},
                    UsageCase{"TypeIntoAFixedDropDown", {"--type", "GraphSelect=Score"}},
                    UsageCase{"TwoSaves", {"a.sav", "b.sav"}}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak

namespace varnak {
namespace {

TEST(Report, AFailedSecondLoadLeavesTheFirstFilesWindowAsItWas) {
  fixture::FormFixture f;
  f.Load(fixture::SaveFixture::Basic(), "first.sav");
  ASSERT_TRUE(f.Form.LastLoad().Ok);
  const nlohmann::ordered_json before = app::WindowState(f.Form)["controls"];
  const int32_t score = f.Form.Model().GameScore;
  for (const char* bad : {"/nonexistent/x.sav", "/"}) {
    f.Host.NextFile = bad;
    f.Form.UserLoad();
    EXPECT_FALSE(f.Form.LastLoad().Ok);
    EXPECT_TRUE(app::WindowState(f.Form)["controls"] == before);  // (too long to print)
    EXPECT_EQ(f.Form.Model().GameScore, score);
  }
  EXPECT_EQ(f.Host.Errors.size(), 2u);
  f.Host.NextFile.reset();  // a cancelled dialog changes nothing
  f.Form.UserLoad();
  EXPECT_EQ(f.Host.Errors.size(), 2u);
}

}  // namespace
}  // namespace varnak

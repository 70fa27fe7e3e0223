#include <gtest/gtest.h>

#include <regex>
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

std::string SaveFile(const std::string& name,
                     const fixture::SaveFixture& save = fixture::SaveFixture::Basic()) {
  const std::string path = fixture::TempPath(name);
  fixture::WriteFile(path, fixture::WriteSaveFile(save));
  return path;
}

// The row of TechGrid that names `tech`, or nothing.
const json* TechRow(const json& grid, const std::string& tech) {
  for (const json& row : grid["cells"])
    if (row[1] == tech) return &row;
  return nullptr;
}

TEST(Report, PrintsEveryPageAndEveryNamedControlAtStartUp) {
  const ReportRun r = Report({});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.state["caption"], "Varnak Skarn Save Analyzer (version 1.06)");
  EXPECT_EQ(r.state["load"], json::parse(R"({"file":null,"ok":false,"error":null,"warnings":[],"codepage":"cp1252"})"));
  EXPECT_EQ(r.state["errors"], json::array());
  ASSERT_EQ(r.state["pages"].size(), 14u);
  EXPECT_EQ(r.state["pages"][6], json::parse(R"({"caption":"Player Log","visible":true})"));
  EXPECT_EQ(r.state["pages"][12], json::parse(R"({"caption":"World","visible":true})"));
  EXPECT_EQ(r.state["pages"][13], json::parse(R"({"caption":"Cities","visible":true})"));
  const json& c = r.state["controls"];
  std::map<std::string, int> kinds;
  for (const auto& [name, control] : c.items()) ++kinds[control["kind"].get<std::string>()];
  EXPECT_EQ(kinds["select"], 9);
  EXPECT_EQ(kinds["check"], 3);
  EXPECT_EQ(kinds["grid"], 8);
  EXPECT_EQ(kinds["map"], 1);
  EXPECT_EQ(kinds["chart"], 1);
  EXPECT_EQ(kinds["log"], 2);
  EXPECT_EQ(kinds["list"], 4);
  EXPECT_EQ(kinds["label"], 2);
  for (const char* name : {"Edit1", "Edit13", "OrdoDateE", "Memory0", "Memory32", "Rank2E",
                           "SummaryAttitudeTextE", "ExtraAttitudeMaxE", "CivicsStr", "TechGrid"})
    EXPECT_TRUE(c.contains(name)) << name;
  EXPECT_EQ(c["Edit11"], json::parse(R"({"kind":"edit","text":"","color":"#0000FF","visible":true})"));
  // The memory boxes say which kind they count, as their labels in the window do.
  EXPECT_EQ(c["Memory0"]["caption"], "Declared War");
  EXPECT_EQ(c["Memory32"]["caption"], "Liberated Cities");
  EXPECT_EQ(c["GraphSelect"]["selected"], 0);
  EXPECT_EQ(c["PlayerInfoSelect"]["visible"], false);
  EXPECT_EQ(c["TechGrid"]["cells"].size(), 93u);
  EXPECT_EQ(c["TechGrid"]["cells"][0][0], "\u2116");
  EXPECT_EQ(c["HistoryChart"]["series"].size(), 19u);
  EXPECT_EQ(c["HistoryChart"]["series"][8]["color"], "#FFFFFF");
  EXPECT_EQ(c["HistoryChart"]["axis"], json::parse(R"({"min":0,"max":0})"));
  EXPECT_EQ(c["WorldMap"], json::parse(R"({"kind":"map","mode":"Political","width":0,"height":0,"legend":[]})"));
  EXPECT_EQ(c["WorldMapModeSelect"]["items"], json::parse(R"(["Political","Terrain","Resources"])"));
  EXPECT_EQ(c["CitiesGrid"]["cells"],
            json::parse(R"([["\u2116","City","Owner","X","Y","Founded","Population","Culture"]])"));
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
  EXPECT_TRUE(std::regex_match(c["Edit2"]["text"].get<std::string>(),
                               std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)")))
      << c["Edit2"]["text"];
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

TEST(Report, EventsReachThePlayerGraphLogAttitudeAndOrdoPages) {
  fixture::SaveFixture s = fixture::SaveFixture::Basic();
  auto& aurelia = s.Players[0];
  auto& brennus = s.Players[1];
  aurelia.Tail.Messages.push_back({"Your Swordsman has defeated a Barbarian Axeman", 36, 21, 5});
  aurelia.Tail.Economy = {{12, 6}, {40, 200}};
  brennus.Tail.Economy = {{20, -300}};
  s.Teams[1].HasTech[13] = 1;           // Guilds
  s.Teams[1].ResearchProgress[31] = 37;  // Writing
  brennus.Tail.Memory[0][5] = 3;        // Razed City, -250 for Brennus
  const std::string path = SaveFile("views.sav", s);

  const ReportRun r =
      Report({"--select", "PlayerInfoSelect=1", "--check", "ShowAICheckBox=1", "--select",
              "GraphSelect=1", "--check", "ShowCombatsCheckBox=1", "--select", "AttLeaderSel1=1",
              "--edit", "OrdoTurnMaxE=0", "--edit", "OrdoPopFactorE=abc", path});
  ASSERT_EQ(r.status, 0) << r.err;
  const json& c = r.state["controls"];

  EXPECT_EQ(c["GoldE"]["text"], "     75");
  EXPECT_EQ(c["GeneralPointsE"]["text"], "  12/60");
  const json* guilds = TechRow(c["TechGrid"], "Guilds");
  const json* writing = TechRow(c["TechGrid"], "Writing");
  ASSERT_TRUE(guilds != nullptr && writing != nullptr);
  EXPECT_EQ((*guilds)[5], "Yes");
  EXPECT_EQ((*writing)[5], "     37");

  const json& chart = c["HistoryChart"];
  EXPECT_EQ(chart["axis"], json::parse(R"({"min":-315,"max":210})"));
  EXPECT_EQ(chart["series"][1]["title"], "Brennus");
  EXPECT_EQ(chart["series"][1]["legend"], true);
  EXPECT_EQ(chart["series"][1]["points"].size(), 100u);
  EXPECT_EQ(chart["series"][1]["points"][20], json::parse("[20,-300]"));
  EXPECT_EQ(chart["series"][2]["legend"], false);

  EXPECT_EQ(c["PlayerLog"]["lines"].back(),
            json::parse(R"({"text":"  21 3160BC  Your Swordsman has defeated a Barbarian Axeman",
                            "color":"#800080"})"));

  EXPECT_EQ(c["Memory5"], json::parse(R"({"kind":"edit","text":"  -7.50","color":"#FF0000",
                                          "visible":true,"caption":"Razed City"})"));
  EXPECT_EQ(c["Rank1E"]["text"], "  2");
  EXPECT_EQ(c["Rank2E"]["text"], "  1");

  // The turn limit 0 was stored and scored; the bad factor stopped the second edit.
  EXPECT_EQ(c["OrdoTurnFinalE"]["text"], "     -1");
  EXPECT_EQ(r.state["errors"], json::parse(R"(["'abc' is not a valid integer value"])"));
}

// Indexes and counters that the game's tables cannot take, as a save may hold them.
TEST(Report, ValuesBeyondTheTablesShowSoundly) {
  fixture::SaveFixture s = fixture::SaveFixture::Basic();
  auto& aurelia = s.Players[0];
  auto& brennus = s.Players[1];
  brennus.Head.Personality = 99;  // no such row: read as the first
  brennus.Head.Civics = {1, 5, 40, 15, -1};
  for (auto* p : {&aurelia, &brennus}) {
    p->Head.StateReligion = 9;  // no owner entry for it
    p->Head.StateReligionCount = 1;
  }
  aurelia.Tail.SameReligionCounter[1] = 25;
  aurelia.Tail.TradeValueB[1] = 200;
  s.Teams[0].RelationCounter[1] = -1;  // the trade divisors become 0
  s.Teams[0].EnemyTradeValueB[1] = 1000;
  const std::string path = SaveFile("beyond.sav", s);

  const ReportRun r = Report(
      {"--select", "PlayerInfoSelect=1", "--select", "AttLeaderSel2=1", path});
  ASSERT_EQ(r.status, 0) << r.err;
  const json& c = r.state["controls"];
  EXPECT_EQ(c["CivicsStr"]["text"], "Her, Bar, ?, Dec, ?");
  // Aurelia toward Brennus, a computer: his warmonger respect is the first row's 0.
  EXPECT_EQ(c["PeaceWeightE"]["text"], "     2");
  EXPECT_EQ(c["WarmongerRespectE"]["text"], "     0");
  // The same religion, owned by nobody: base 1 and 25 / 10.
  EXPECT_EQ(c["SameReligionE"]["text"], "   3.50");
  EXPECT_EQ(c["SameReligionMaxE"]["text"], "  4");
  // Without a divisor the trade rows count nothing.
  for (const char* box : {"TradeAttitudeE", "EnemyTradeAttitudeE"})
    EXPECT_EQ(c[box], json::parse(R"({"kind":"edit","text":"   0.00","color":"#000000",
                                      "visible":true})"))
        << box;
  EXPECT_EQ(c["TradeAttitudeMaxE"]["text"], "  4");
  EXPECT_EQ(c["EnemyTradeAttitudeMaxE"]["text"], " -4");
  EXPECT_EQ(r.state["errors"], json::array());
}

struct CodePageCase {
  const char* name;
  std::vector<std::string> args;
  const char* codepage;  // load.codepage
  const char* nick;      // NickE
  const char* replay;    // the first line of ReplayList
  const char* log;       // the first line of PlayerLog
};

class ReportCodePage : public testing::TestWithParam<CodePageCase> {};

TEST_P(ReportCodePage, ShowsTheSavesTextsInTheCodePageInForce) {
  const CodePageCase& c = GetParam();
  const ReportRun r = Report(c.args);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.state["load"]["codepage"], c.codepage);
  const json& controls = r.state["controls"];
  EXPECT_EQ(controls["NickE"]["text"], c.nick);
  if (c.replay == nullptr) return;
  EXPECT_EQ(controls["ReplayList"]["lines"][0]["text"], c.replay);
  EXPECT_EQ(controls["PlayerLog"]["lines"][0]["text"], c.log);
  // Жанна, written with a character above 255, is the same in every code page.
  if (r.state["load"]["file"] == VARNAK_RUSSIAN_SAMPLE_SAVE) {
    EXPECT_EQ(controls["LeadersGrid"]["cells"][3][1], "Жанна");
  }
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, ReportCodePage,
    testing::Values(
        CodePageCase{"RussianSampleByDefault", {VARNAK_RUSSIAN_SAMPLE_SAVE}, "cp1251", "Владимир",
                     "   0 4000BC  Сессия 1: Владимир вошёл в игру",
                     "   2 3920BC  Вы открыли: Обработка бронзы!"},
        CodePageCase{"RussianSampleAsLatin1", {"--codepage", "latin1", VARNAK_RUSSIAN_SAMPLE_SAVE}, "latin1",
                     "Âëàäèìèð", "   0 4000BC  Ñåññèÿ 1: Âëàäèìèð âîø¸ë â èãðó",
                     "   2 3920BC  Âû îòêðûëè: Îáðàáîòêà áðîíçû!"},
        CodePageCase{"EnglishSampleByDefault", {VARNAK_SAMPLE_SAVE, "--codepage", "auto"}, "cp1252", "Aurelia",
                     "   0 4000BC  Session 1: Aurelia joined the game",
                     "   2 3920BC  You have discovered Bronze Working!"},
        CodePageCase{"NoSave", {}, "cp1252", "", nullptr, nullptr},
        CodePageCase{"CyrillicWithoutASave", {"--codepage", "cp1251"}, "cp1251", "", nullptr, nullptr},
        CodePageCase{"AFailedLoadKeepsTheOneChosen",
                     {"--codepage", "latin1", "/nonexistent/game.sav"}, "latin1", "", nullptr, nullptr}),
    fixture::CaseName());

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
                    UsageCase{"TwoSaves", {"a.sav", "b.sav"}},
                    UsageCase{"UnknownCodePage", {"--codepage", "koi8r", "a.sav"}},
                    UsageCase{"CodePageWithoutName", {"a.sav", "--codepage"}}),
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

#include <gtest/gtest.h>

#include <sstream>

#include "app/window_report.h"
#include "support/case_name.h"
#include "support/save_fixture.h"

namespace varnak {
namespace {

using nlohmann::json;
using Rows = std::vector<std::vector<std::string>>;

struct ReportRun {
  int status;
  std::string out, err;
};

ReportRun Report(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = app::RunReport(args, out, err);
  return {status, out.str(), err.str()};
}

// RFC 4180: fields split at commas, records at CRLF, quoted fields with doubled quotes.
Rows ParseCsv(const std::string& text) {
  Rows rows(1);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c != '"') field += c;
      else if (i + 1 < text.size() && text[i + 1] == '"') field += '"', ++i;
      else quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(std::move(field));
      field.clear();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      rows.back().push_back(std::move(field));
      field.clear();
      rows.emplace_back();
      ++i;
    } else {
      field += c;
    }
  }
  EXPECT_TRUE(rows.back().empty() && field.empty()) << "the last record ends without CRLF";
  rows.pop_back();
  return rows;
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The columns after "File" and "Problem", each the text of one control of the window.
constexpr std::pair<const char*, const char*> kColumns[] = {
    {"Nick", "NickE"},          {"Leader", "LeaderE"},          {"Nation", "CountryE"},
    {"Turn", "Edit3"},          {"Date", "Edit4"},              {"Difficulty", "Edit8"},
    {"Game score", "Edit6"},    {"Final score", "Edit13"},      {"Status", "Edit7"},
    {"Playing time", "Edit5"},  {"Sessions", "Edit9"},          {"Pre-sessions", "Edit11"},
    {"Play sessions", "Edit10"}, {"Average session", "Edit12"}, {"Ordo score", "OrdoSumFinalE"},
};

// What the single-save report says of `save`, as a row of the table.
std::vector<std::string> RowOfSingleReport(const std::string& save, std::vector<std::string> options = {}) {
  options.push_back(save);
  const ReportRun r = Report(options);
  EXPECT_EQ(r.status, 0) << r.err;
  const json state = json::parse(r.out);
  const json& load = state["load"];
  std::string problem;
  if (!load["ok"].get<bool>()) {
    problem = load["error"].get<std::string>();
  } else {
    for (const json& warning : load["warnings"])
      problem += (problem.empty() ? "" : "; ") + warning.get<std::string>();
  }
  std::vector<std::string> row = {save, problem};
  for (const auto& [header, control] : kColumns)
    row.push_back(load["ok"].get<bool>() ? Trim(state["controls"][control]["text"]) : "");
  return row;
}

std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = fixture::TempPath(name);
  fixture::WriteFile(path, bytes);
  return path;
}

// A folder of submitted saves as an organiser gets it: good ones, damaged ones and
// files that are no save at all, in an order where each failure follows a good save.
std::vector<std::string> SubmittedSaves() {
  fixture::SaveFixture quoted = fixture::SaveFixture::Basic();
  quoted.Header.Slots[0].Name = "Aurelia \"the Bold\", Jr.";
  quoted.Game.ElapsedTurns = 240;
  quoted.Game.SessionCount = 7;

  const fixture::SaveFixture basic = fixture::SaveFixture::Basic();
  std::vector<uint8_t> cutBody = fixture::WriteBody(basic);
  cutBody.resize(cutBody.size() / 2);
  const std::vector<uint8_t> badStream = {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x11, 0x22};
  fixture::SaveFixture western = fixture::SaveFixture::Basic();
  western.Header.Slots[0].Name = "Ren\xE9" "e\x85";

  return {
      Write("good.sav", fixture::WriteSaveFile(basic)),
      Write("notes.txt", {'n', 'o', ' ', 's', 'a', 'v', 'e', '\n'}),
      Write("cut short.sav", fixture::WrapSave(fixture::WriteHeader(basic), cutBody)),
      Write("quoted, later.sav", fixture::WriteSaveFile(quoted)),
      Write("bad stream.sav", fixture::WrapPacked(fixture::WriteHeader(basic), badStream)),
      Write("empty.sav", {}),
      fixture::TempPath("missing.sav"),
      Write("good.sav", fixture::WriteSaveFile(basic)),
      // Cyrillic names, then Western ones: each save is shown in its own code page.
      VARNAK_RUSSIAN_SAMPLE_SAVE,
      Write("western.sav", fixture::WriteSaveFile(western)),
  };
}

// The table of `saves`, each row checked against the single-save report with the same
// options.
Rows TableOf(const std::vector<std::string>& saves, const std::vector<std::string>& options = {},
             std::string* text = nullptr) {
  std::vector<std::string> args = {"--table"};
  args.insert(args.end(), options.begin(), options.end());
  args.insert(args.end(), saves.begin(), saves.end());
  const ReportRun r = Report(args);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  if (text != nullptr) *text = r.out;
  const Rows rows = ParseCsv(r.out);
  EXPECT_EQ(rows.size(), saves.size() + 1);
  for (size_t i = 0; i < saves.size() && i + 1 < rows.size(); ++i)
    EXPECT_EQ(rows[i + 1], RowOfSingleReport(saves[i], options)) << saves[i];
  return rows;
}

TEST(SaveTable, EveryRowEqualsTheSingleSaveReportOfItsSave) {
  const std::vector<std::string> saves = SubmittedSaves();
  std::string text;
  const Rows rows = TableOf(saves, {}, &text);
  ASSERT_EQ(rows.size(), saves.size() + 1);
  std::vector<std::string> header = {"File", "Problem"};
  for (const auto& [title, control] : kColumns) header.push_back(title);
  EXPECT_EQ(rows[0], header);

  // TableOf compared each row with its single-save report; that is only as good as what
  // the rows hold.
  EXPECT_EQ(rows[1][2], "Aurelia");
  EXPECT_EQ(rows[1][1], "");
  EXPECT_NE(rows[1][5], "");
  EXPECT_EQ(rows[1], rows[8]);
  EXPECT_TRUE(rows[3][1].starts_with("The save looks damaged: the data ends at 0x")) << rows[3][1];
  EXPECT_NE(rows[3][2], "");
  for (size_t failed : {size_t{2}, size_t{5}, size_t{6}, size_t{7}}) {
    EXPECT_NE(rows[failed][1], "") << saves[failed - 1];
    EXPECT_EQ(rows[failed][2], "") << saves[failed - 1];
  }
  EXPECT_EQ(rows[7][1], "Cannot open the file \"" + saves[6] + "\": No such file or directory.");
  EXPECT_EQ(rows[4][2], "Aurelia \"the Bold\", Jr.");
  EXPECT_EQ(rows[4][12], "7");
  // Quoting, seen in the raw text.
  EXPECT_NE(text.find(",\"Aurelia \"\"the Bold\"\", Jr.\","), std::string::npos);
  EXPECT_NE(text.find("\"" + saves[3] + "\""), std::string::npos);
  EXPECT_EQ(rows[9][1], "");
  EXPECT_EQ(rows[9][2], "Владимир");
  EXPECT_EQ(rows[10][2], "Renée…");
}

TEST(SaveTable, TheCodePageChosenHoldsForEveryRow) {
  const std::vector<std::string> saves = {VARNAK_RUSSIAN_SAMPLE_SAVE, fixture::TempPath("missing.sav")};
  const Rows latin1 = TableOf(saves, {"--codepage", "latin1"});
  ASSERT_EQ(latin1.size(), 3u);
  EXPECT_EQ(latin1[1][2], "\u00C2\u00EB\u00E0\u00E4\u00E8\u00EC\u00E8\u00F0");  // Владимир as Latin-1
  const Rows cyrillic = TableOf(saves, {"--codepage", "cp1251"});
  EXPECT_EQ(cyrillic[1][2], "Владимир");
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
};

class SaveTableUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(SaveTableUsage, ACommandLineThatCannotBeUnderstoodExitsWith2) {
  const ReportRun r = Report(GetParam().args);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Usage, SaveTableUsage,
    testing::Values(UsageCase{"NoSave", {"--table"}},
                    UsageCase{"AnEventBesideTheTable", {"--table", "--select", "GraphSelect=1", "a.sav"}},
                    UsageCase{"UnknownOption", {"a.sav", "--table", "--frobnicate"}},
                    UsageCase{"UnknownCodePage", {"--table", "--codepage", "utf8", "a.sav"}}),
    fixture::CaseName());

}  // namespace
}  // namespace varnak

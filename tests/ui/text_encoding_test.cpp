// The code page the window shows the save's texts in: chosen for each save from its own
// texts, or by the user, and changed without a load.
#include <gtest/gtest.h>

#include <string>

#include "app/window_report.h"
#include "support/case_name.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::FormFixture;
using nlohmann::ordered_json;
using ui::TextEncoding;

// What would turn `from` into `to`, as a JSON patch: empty when they are equal, and short
// enough to read when they are not.
ordered_json Changes(const ordered_json& from, const ordered_json& to) { return ordered_json::diff(from, to); }

void Open(FormFixture& f, const std::string& path) {
  f.Host.NextFile = path;
  f.Form.UserLoad();
}

TEST(TextEncoding, TheRussianSampleReadsAsRussianInEveryView) {
  FormFixture f;
  Open(f, VARNAK_RUSSIAN_SAMPLE_SAVE);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.ShownCodePage(), CodePage::Cp1251);
  EXPECT_EQ(w.EncodingCaption(TextEncoding::Auto), "Auto (Cyrillic)");
  EXPECT_EQ(w.NickE.Text, "Владимир");
  EXPECT_EQ(w.GameNameE.Text, "Пробная игра");
  EXPECT_EQ(w.MapScriptE.Text, "Континенты");
  EXPECT_EQ(w.LeadersGrid.Cell(6, 1), "Римская империя");
  EXPECT_EQ(w.LeadersGrid.Cell(7, 4), "викингская");
  EXPECT_EQ(w.TeamsGrid.Cell(1, 2), "Святослав");
  ASSERT_GE(w.ReplayList.Lines.size(), 10u);
  EXPECT_EQ(w.ReplayList.Lines[0].Text, "   0 4000BC  Сессия 1: Владимир вошёл в игру");
  EXPECT_EQ(w.ReplayList.Lines[0].LineColor, ui::kPurple);  // a session, found by its bytes
  ASSERT_FALSE(w.PlayerLog.Lines.empty());
  EXPECT_EQ(w.PlayerLog.Lines[0].Text, "   2 3920BC  Вы открыли: Обработка бронзы!");
  EXPECT_EQ(w.AttLeaderSel2.Items.at(5), "Мстислав");
  EXPECT_EQ(w.PlayerInfoSelect.Text, "Владимир");
  EXPECT_EQ(w.HistoryChart.Series[0].Title, "Владимир");
  // Жанна was written with a character above 255: whole in every view.
  EXPECT_EQ(w.LeadersGrid.Cell(1, 3), "Жанна");
  EXPECT_EQ(w.PlayerLogSelect.Items.at(2), "Жанна");
  EXPECT_EQ(w.ReplayList.Lines[9].Text, "  18 3280BC  Жанна основывает буддизм в городе Фивы");
}

TEST(TextEncoding, AutoChoosesWesternForTheEnglishSample) {
  FormFixture f;
  Open(f, VARNAK_SAMPLE_SAVE);
  EXPECT_EQ(f.Form.ShownCodePage(), CodePage::Cp1252);
  EXPECT_EQ(f.Form.EncodingCaption(TextEncoding::Auto), "Auto (Western)");
  EXPECT_EQ(f.Form.NickE.Text, "Aurelia");
}

struct WesternCase {
  const char* name;
  TextEncoding encoding;
  const char* nick;
  const char* replayText;
  const char* logText;
};

class WesternTexts : public testing::TestWithParam<WesternCase> {};

// 0x80 and 0x85 are "€" and "…" in Windows-1252 and C1 controls in Latin-1.
TEST_P(WesternTexts, ShowTheCharactersOfTheirCodePage) {
  const WesternCase& c = GetParam();
  fixture::SaveFixture save = fixture::SaveFixture::Basic();
  save.Header.Slots[0].Name = "Ren\xE9" "e\x85";
  save.Game.Replay.push_back({3, {}, "Tribute of 100\x80 paid\x85", 36});
  save.Players[0].Tail.Messages = {{"Caf\xE9 sold for 5\x80\x85", 2, 4, 1}};
  FormFixture f;
  f.Form.UserChooseEncoding(c.encoding);
  f.Load(save);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.ShownCodePage(), c.encoding == TextEncoding::Latin1 ? CodePage::Latin1 : CodePage::Cp1252);
  EXPECT_EQ(w.NickE.Text, c.nick);
  EXPECT_EQ(w.LeadersGrid.Cell(1, 1), c.nick);
  EXPECT_EQ(w.AttLeaderSel1.Items.at(0), c.nick);
  ASSERT_FALSE(w.ReplayList.Lines.empty());
  EXPECT_TRUE(w.ReplayList.Lines.back().Text.ends_with(c.replayText)) << w.ReplayList.Lines.back().Text;
  ASSERT_EQ(w.PlayerLog.Lines.size(), 1u);
  EXPECT_TRUE(w.PlayerLog.Lines[0].Text.ends_with(c.logText)) << w.PlayerLog.Lines[0].Text;
}

INSTANTIATE_TEST_SUITE_P(
    TextEncoding, WesternTexts,
    testing::Values(WesternCase{"Auto", TextEncoding::Auto, "Renée…", " Tribute of 100€ paid…",
                                " Café sold for 5€…"},
                    WesternCase{"Latin1", TextEncoding::Latin1, "Renée\u0085",
                                " Tribute of 100\u0080 paid\u0085", " Café sold for 5\u0080\u0085"}),
    fixture::CaseName());

// What a user sets on every page.
void SetEverything(ui::TForm1& w) {
  w.UserSelect("PlayerInfoSelect", 2);
  w.UserSelect("PlayerLogSelect", 1);
  w.UserSelect("AttLeaderSel1", 2);
  w.UserSelect("AttLeaderSel2", 3);
  w.UserSelect("GraphSelect", 3);
  w.UserCheck("ShowAICheckBox", true);
  w.UserCheck("ShowCombatsCheckBox", true);
  w.UserCheck("ShowCityEventsCheckBox", true);
  w.UserEdit("DiffCoeffE", "1.5");
  w.UserEdit("Edit11", "3");
  w.UserEdit("OrdoPopFactorE", "1200");
  w.UserTextChanged("OrdoTurnFactorE", "12x");  // typed, not yet left
  w.UserType("AnarchyWorldSizeBox", "Huge");
  w.UserEdit("NewCivicsE", "2");
}

TEST(TextEncoding, ChoosingRedrawsEveryTextAndKeepsWhatTheUserSet) {
  FormFixture f;
  Open(f, VARNAK_RUSSIAN_SAMPLE_SAVE);
  SetEverything(f.Form);
  const ordered_json cyrillic = app::WindowState(f.Form);

  f.Form.UserChooseEncoding(TextEncoding::Latin1);
  const ordered_json latin1 = app::WindowState(f.Form);
  // Every text as a window that had Latin-1 before the load shows it, and every choice
  // and typed text as the user left them.
  FormFixture chosenFirst;
  chosenFirst.Form.UserChooseEncoding(TextEncoding::Latin1);
  Open(chosenFirst, VARNAK_RUSSIAN_SAMPLE_SAVE);
  SetEverything(chosenFirst.Form);
  EXPECT_EQ(Changes(latin1, app::WindowState(chosenFirst.Form)), ordered_json::array());
  EXPECT_EQ(latin1["load"]["codepage"], "latin1");
  const ordered_json& c = latin1["controls"];
  EXPECT_EQ(c["NickE"]["text"], "Âëàäèìèð");
  EXPECT_EQ(c["PlayerInfoSelect"]["selected"], 2);
  EXPECT_EQ(c["PlayerInfoSelect"]["text"], "Жанна");
  EXPECT_EQ(c["AttLeaderSel2"]["text"], "ßðîñëàâ");
  EXPECT_EQ(c["ShowAICheckBox"]["checked"], true);
  EXPECT_EQ(c["OrdoTurnFactorE"]["text"], "12x");
  EXPECT_EQ(c["AnarchyWorldSizeBox"]["text"], "Huge");
  EXPECT_EQ(c["HistoryChart"]["series"][1]["title"], "Ñâÿòîñëàâ");
  EXPECT_EQ(f.Host.Errors, chosenFirst.Host.Errors);

  f.Form.UserChooseEncoding(TextEncoding::Auto);
  EXPECT_EQ(Changes(app::WindowState(f.Form), cyrillic), ordered_json::array());
}

TEST(TextEncoding, AFailedLoadKeepsTheChoiceAndTheCodePageInForce) {
  FormFixture f;
  Open(f, VARNAK_RUSSIAN_SAMPLE_SAVE);
  Open(f, fixture::TempPath("no-such.sav"));
  EXPECT_FALSE(f.Form.LastLoad().Ok);
  EXPECT_EQ(f.Form.Encoding(), TextEncoding::Auto);
  EXPECT_EQ(f.Form.ShownCodePage(), CodePage::Cp1251);
  EXPECT_EQ(f.Form.EncodingCaption(TextEncoding::Auto), "Auto (Cyrillic)");

  f.Form.UserChooseEncoding(TextEncoding::Cp1252);
  Open(f, fixture::TempPath("no-such.sav"));
  EXPECT_EQ(f.Form.Encoding(), TextEncoding::Cp1252);
  EXPECT_EQ(f.Form.ShownCodePage(), CodePage::Cp1252);
  EXPECT_EQ(f.Form.NickE.Text, "Âëàäèìèð");
}

TEST(TextEncoding, AChoiceBeforeAnyLoadShowsNothingAndHoldsForTheLoad) {
  FormFixture f;
  const ordered_json before = app::WindowState(f.Form);
  EXPECT_EQ(f.Form.EncodingCaption(TextEncoding::Auto), "Auto");
  f.Form.UserChooseEncoding(TextEncoding::Cp1251);
  const ordered_json after = app::WindowState(f.Form);
  EXPECT_EQ(after["controls"], before["controls"]);
  EXPECT_EQ(after["load"]["codepage"], "cp1251");

  Open(f, VARNAK_SAMPLE_SAVE);
  EXPECT_EQ(f.Form.ShownCodePage(), CodePage::Cp1251);
  EXPECT_EQ(f.Form.EncodingCaption(TextEncoding::Auto), "Auto (Western)");  // what Auto would take
}

}  // namespace
}  // namespace varnak

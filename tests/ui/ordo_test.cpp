#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::FormFixture;

// Turn 100 of 100 at normal speed: every exponent is 1, so a part is
// factor x current / target.
GameModel OrdoModel() {
  GameModel m = fixture::TwoPlayerModel();
  m.ElapsedTurns = 100;
  m.StartTurn = 0;
  m.EstimatedEndTurn = 100;
  m.PlayerPopScore[0] = 400;
  m.PlayerLandScore[0] = 30;
  m.PlayerTechScore[0] = 50;
  m.PlayerWonderScore[0] = 4;
  m.MaxPopulation = 800;
  m.MaxLand = 300;
  m.MaxTech = 200;
  m.MaxWonders = 10;
  m.PlayerCityCount[0] = 3;
  m.PlayerCityCulture[0][0] = m.PlayerCityCulture[0][1] = m.PlayerCityCulture[0][2] = 36000;
  m.TeamHasTech[0][90] = 1;  // Robotics: 2 modern technologies, 20 points
  return m;
}

std::vector<std::string> Texts(const std::vector<const ui::EditControl*>& boxes) {
  std::vector<std::string> texts;
  for (const ui::EditControl* box : boxes) texts.push_back(box->Text);
  return texts;
}

std::vector<std::string> Percents(const ui::TForm1& w) {
  return Texts({&w.OrdoPopPercentE, &w.OrdoLandPercentE, &w.OrdoTechPercentE,
                &w.OrdoWonderPercentE, &w.OrdoCulturePercentE, &w.OrdoMTechPercentE,
                &w.OrdoTurnPercentE});
}

std::vector<std::string> Finals(const ui::TForm1& w) {
  return Texts({&w.OrdoPopFinalE, &w.OrdoLandFinalE, &w.OrdoTechFinalE, &w.OrdoWonderFinalE,
                &w.OrdoCultureFinalE, &w.OrdoMTechFinalE, &w.OrdoTurnFinalE});
}

using Texts7 = std::vector<std::string>;

TEST(OrdoScoreGroup, ShowsEveryInputPartShareAndTheDate) {
  FormFixture f;
  f.Show(OrdoModel());
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(Texts({&w.OrdoPopCurrE, &w.OrdoLandCurrE, &w.OrdoTechCurrE, &w.OrdoWonderCurrE,
                   &w.OrdoCultureCurrE, &w.OrdoMTechCurrE, &w.OrdoTurnCurrE}),
            (Texts7{"    400", "     30", "     50", "      4", "    360", "     20", "    100"}));
  EXPECT_EQ(Texts({&w.OrdoPopMaxE, &w.OrdoLandMaxE, &w.OrdoTechMaxE, &w.OrdoWonderMaxE,
                   &w.OrdoCultureMaxE, &w.OrdoMTechMaxE, &w.OrdoTurnMaxE}),
            (Texts7{"    800", "    300", "    200", "     10", "  50000", "    150", "    100"}));
  EXPECT_EQ(Texts({&w.OrdoPopFactorE, &w.OrdoLandFactorE, &w.OrdoTechFactorE,
                   &w.OrdoWonderFactorE, &w.OrdoCultureFactorE, &w.OrdoMTechFactorE,
                   &w.OrdoTurnFactorE}),
            (Texts7{"   2500", "   2500", "   2500", "   5000", "   2500", "   5000", "   2500"}));
  // Culture 3.6 of 500; modern technology 5000 x 20 / 150 = 666.7.
  EXPECT_EQ(Finals(w),
            (Texts7{"   1250", "    250", "    625", "   2000", "     18", "    667", "   2500"}));
  EXPECT_EQ(w.OrdoSumFinalE.Text, "   7310");
  EXPECT_EQ(w.OrdoResult.OrdoSumFinal, 7310);
  EXPECT_EQ(w.OrdoResult.OrdoMTechFinal, 667);
  EXPECT_EQ(Percents(w),
            (Texts7{"  17.10", "   3.42", "   8.55", "  27.36", "   0.25", "   9.12", "  34.20"}));
  EXPECT_EQ(w.OrdoDateE.Text, "  375BC ");  // a whole-year turn has no month
}

TEST(OrdoScoreGroup, LeavingABoxStoresAllInputsAndRecomputes) {
  FormFixture f;
  f.Show(OrdoModel());
  ui::TForm1& w = f.Form;
  // Culture is scored as a real: 123.45 of 500, not 123 of 500.
  ASSERT_TRUE(w.UserEdit("OrdoCultureCurrE", "12345"));
  EXPECT_EQ(w.Model().OrdoCultureCurr, 12345);
  EXPECT_EQ(w.OrdoCultureCurrE.Text, "  12345");
  EXPECT_EQ(w.OrdoCultureFinalE.Text, "    617");

  // Half of 1500 turns with no turn limit: the target 100 counts as 10, and the
  // turn part's own target, the limit 0, scores -1.
  w.OrdoPopCurrE.Text = "4";
  w.OrdoPopMaxE.Text = "100";
  w.OrdoTurnCurrE.Text = "750";
  w.OrdoTurnMaxE.Text = "0";
  w.UserLeave("OrdoTurnMaxE");
  EXPECT_EQ(w.OrdoPopFinalE.Text, "   1000");
  EXPECT_EQ(w.OrdoTurnFinalE.Text, "     -1");
  EXPECT_EQ(w.Model().PlayerPopScoreWithVassals[0], 4);  // shared with the game score
  EXPECT_EQ(w.Model().MaxPopulation, 100);
  EXPECT_EQ(w.Model().OrdoTurnMax, 0);
  // The date follows the turn entered, and does not move the graph's turn count.
  EXPECT_EQ(w.OrdoDateE.Text, " 2175AD Jan");
  EXPECT_EQ(w.Model().ElapsedTurns, 100);

  // Factors and the modern technology target outlive a load; the rest is the new save's.
  w.UserEdit("OrdoPopFactorE", "1000");
  w.UserEdit("OrdoMTechMaxE", "300");
  EXPECT_EQ(w.Ordo.OrdoPopFactor, 1000);
  f.Show(OrdoModel());
  EXPECT_EQ(w.OrdoPopFactorE.Text, "   1000");
  EXPECT_EQ(w.OrdoMTechMaxE.Text, "    300");
  EXPECT_EQ(w.OrdoCultureCurrE.Text, "    360");
  EXPECT_EQ(w.OrdoPopFinalE.Text, "    500");
  EXPECT_EQ(w.OrdoMTechFinalE.Text, "    333");
  EXPECT_TRUE(f.Host.Errors.empty());
}

TEST(OrdoScoreGroup, ABadBoxStopsTheHandlerThereAndKeepsWhatCameBefore) {
  FormFixture f;
  f.Show(OrdoModel());
  ui::TForm1& w = f.Form;
  w.OrdoPopCurrE.Text = "  999";
  w.OrdoCultureMaxE.Text = "5e4";
  w.OrdoTurnMaxE.Text = "7";
  w.OrdoTurnFactorE.Text = "7";
  w.UserLeave("OrdoTurnFactorE");
  ASSERT_EQ(f.Host.Errors, (std::vector<std::string>{"'5e4' is not a valid integer value"}));
  EXPECT_EQ(w.Model().PlayerPopScoreWithVassals[0], 999);  // read before the bad box
  EXPECT_EQ(w.Model().MaxWonders, 10);
  EXPECT_EQ(w.Model().OrdoCultureMax, 50000);
  EXPECT_EQ(w.Model().OrdoTurnMax, 100);  // after it: not read
  EXPECT_EQ(w.Ordo.OrdoTurnFactor, 2500);
  EXPECT_EQ(w.OrdoPopFinalE.Text, "   1250");  // no recomputation
  EXPECT_EQ(w.OrdoSumFinalE.Text, "   7310");
}

TEST(OrdoScoreGroup, ASumOfZeroOrLessKeepsTheShares) {
  FormFixture f;
  f.Show(OrdoModel());
  ui::TForm1& w = f.Form;
  const Texts7 shares = Percents(w);
  for (ui::EditControl* box : {&w.OrdoPopFactorE, &w.OrdoLandFactorE, &w.OrdoTechFactorE,
                               &w.OrdoWonderFactorE, &w.OrdoCultureFactorE, &w.OrdoMTechFactorE,
                               &w.OrdoTurnFactorE})
    box->Text = "0";
  w.UserLeave("OrdoPopFactorE");
  EXPECT_EQ(Finals(w), Texts7(7, "      0"));
  EXPECT_EQ(w.OrdoSumFinalE.Text, "      0");
  EXPECT_EQ(Percents(w), shares);

  w.UserEdit("OrdoTurnFactorE", "-5");
  EXPECT_EQ(w.OrdoSumFinalE.Text, "     -5");
  EXPECT_EQ(Percents(w), shares);
  EXPECT_TRUE(f.Host.Errors.empty());
}

}  // namespace
}  // namespace varnak

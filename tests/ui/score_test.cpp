#include <gtest/gtest.h>

#include "ui/form_fixture.h"

namespace varnak {
namespace {

using fixture::FormFixture;

GameModel ScoredModel() {
  GameModel m = fixture::TwoPlayerModel();
  m.MaxPopulation = 500;
  m.MaxLand = 300;
  m.MaxTech = 200;
  m.MaxWonders = 0;
  m.InitPopulation = 20;
  m.InitLand = 10;
  m.InitTech = 5;
  m.InitWonders = 0;
  m.PlayerPopScore[0] = 100;
  m.PlayerLandScore[0] = 30;
  m.PlayerTechScore[0] = 50;
  m.PlayerWonderScore[0] = 4;
  m.CurrentTurn = 0;
  m.EstimatedEndTurn = 500;
  m.DifficultyLevel = 3;
  m.DiffCoeff = 1.0;
  return m;
}

TEST(GameScoreGroup, ShowsEveryInputAndResult) {
  FormFixture f;
  GameModel m = ScoredModel();
  // A vassal player on team 2 adds half its parts to player 0.
  m.TeamVassalOf[2][0] = 1;
  m.PlayerAlive[2] = 1;
  m.PlayerPopScore[2] = 20;
  m.PlayerLandScore[2] = 6;
  f.Show(m);
  const ui::TForm1& w = f.Form;
  EXPECT_EQ(w.InitPopE.Text, "     20");
  EXPECT_EQ(w.CurrPopScoreE.Text, "    100");
  EXPECT_EQ(w.VassalPopScoredE.Text, "     10");
  EXPECT_EQ(w.VassalLandScoredE.Text, "      3");
  EXPECT_EQ(w.MaxTechScoreE.Text, "    200");
  EXPECT_EQ(w.PopCoeffE.Text, "   5000");
  EXPECT_EQ(w.PopScoreE.Text, "   1100");  // 5000 x 110 / 500
  EXPECT_EQ(w.LandScoreE.Text, "    220");  // 2000 x 33 / 300
  EXPECT_EQ(w.TechScoreE.Text, "    500");
  EXPECT_EQ(w.WonderScoreE.Text, "      0");
  EXPECT_EQ(w.GameScoreSumE.Text, "   1820");
  // Turn 0: the expected value is the initial one.
  EXPECT_EQ(w.PopFinalScoreE.Text, "  27500");  // 5000 x 110 / 20
  EXPECT_EQ(w.WonderFinalScoreE.Text, "   1000");  // nothing expected: the factor
  EXPECT_EQ(w.DiffCoeffE.Text, "    1.0");
  EXPECT_EQ(w.Edit13.Text, w.FinalScoreSumE.Text);
}

TEST(GameScoreGroup, LeavingABoxRecomputesWithTheEnteredValues) {
  FormFixture f;
  f.Show(ScoredModel());
  ASSERT_TRUE(f.Form.UserEdit("CurrPopScoreE", "  250"));
  EXPECT_EQ(f.Form.PopScoreE.Text, "   2500");
  EXPECT_EQ(f.Form.Model().PlayerPopScore[0], 250);
  // 1.27 is used once, then shown and used as 1.3.
  f.Form.UserEdit("DiffCoeffE", "1.27");
  EXPECT_EQ(f.Form.DiffCoeffE.Text, "    1.3");
  EXPECT_DOUBLE_EQ(f.Form.Model().DiffCoeff, 1.27);
  EXPECT_EQ(f.Form.WonderFinalScoreE.Text, "   1270");
  f.Form.UserLeave("MaxPopScoreE");
  EXPECT_EQ(f.Form.WonderFinalScoreE.Text, "   1300");
  // The factors outlive a load.
  f.Form.UserEdit("PopCoeffE", "1000");
  f.Show(ScoredModel());
  EXPECT_EQ(f.Form.PopCoeffE.Text, "   1000");
  EXPECT_EQ(f.Form.PopScoreE.Text, "    200");
  EXPECT_TRUE(f.Host.Errors.empty());
}

TEST(GameScoreGroup, ABadBoxStopsTheHandlerThereAndKeepsWhatCameBefore) {
  FormFixture f;
  f.Show(ScoredModel());
  f.Form.InitPopE.Text = "33";
  f.Form.CurrTechScoreE.Text = "12 ";  // a space after the digits
  f.Form.MaxPopScoreE.Text = "999";
  f.Form.UserLeave("InitPopE");
  ASSERT_EQ(f.Host.Errors, (std::vector<std::string>{"'12 ' is not a valid integer value"}));
  EXPECT_EQ(f.Form.ErrorReports(), f.Host.Errors);
  EXPECT_EQ(f.Form.Model().InitPopulation, 33);  // read before the bad box
  EXPECT_EQ(f.Form.Model().PlayerTechScore[0], 50);
  EXPECT_EQ(f.Form.Model().MaxPopulation, 500);  // after it: not read
  EXPECT_EQ(f.Form.PopScoreE.Text, "   1000");   // no recomputation
  // The window goes on working.
  f.Form.UserEdit("CurrTechScoreE", "12");
  EXPECT_EQ(f.Form.MaxPopScoreE.Text, "    999");
  EXPECT_EQ(f.Host.Errors.size(), 1u);
}

TEST(GameScoreGroup, LeavingABoxBeforeAnyLoadReportsTheEmptyCoefficient) {
  FormFixture f;
  f.Form.UserLeave("OrdoDateE");
  EXPECT_EQ(f.Host.Errors, (std::vector<std::string>{"'' is not a valid floating point value"}));
}

}  // namespace
}  // namespace varnak

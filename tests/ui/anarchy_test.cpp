#include <gtest/gtest.h>

#include "support/case_name.h"
#include "ui/form_fixture.h"

namespace varnak {
namespace {

struct AnarchyCase {
  const char* name;
  const char* civics;
  const char* cities;
  int world, speed, era;  // item indexes
  const char* result;
};

class Anarchy : public testing::TestWithParam<AnarchyCase> {};

TEST_P(Anarchy, WorksWithoutASave) {
  const AnarchyCase& c = GetParam();
  fixture::FormFixture f;
  f.Form.UserSelect("AnarchyWorldSizeBox", c.world);
  f.Form.UserSelect("AnarchyGameSpeedBox", c.speed);
  f.Form.UserSelect("AnarchyStartEraBox", c.era);
  f.Form.UserEdit("NewCivicsE", c.civics);
  f.Form.UserEdit("AnarchyCitiesE", c.cities);
  EXPECT_EQ(f.Form.AnarchyLengthL.Text, c.result);
  EXPECT_TRUE(f.Host.Errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Anarchy,
    testing::Values(AnarchyCase{"Initial", "  0", " 10", 3, 2, 0, "= 0 turns"},
                    AnarchyCase{"OneCivic", "1", "10", 3, 2, 0, "= 1 turns"},
                    AnarchyCase{"TwoCivicsFiftyCities", "2", "50", 3, 2, 0, "= 3 turns"},
                    AnarchyCase{"RaisedToOne", "1", "10", 5, 3, 6, "= 1 turns"},
                    AnarchyCase{"Largest", "5", "1000", 0, 0, 0, "= 116 turns"},
                    AnarchyCase{"CivicsAndCitiesAreLimited", "9", "5000", 0, 0, 0, "= 116 turns"},
                    AnarchyCase{"NegativeCivicsCountAsNone", "-3", "10", 3, 2, 0, "= 0 turns"}),
    fixture::CaseName());

TEST(Anarchy, TypedTextThatMatchesNoItemFallsBack) {
  fixture::FormFixture f;
  f.Form.UserEdit("NewCivicsE", "2");
  f.Form.UserEdit("AnarchyCitiesE", "500");
  ASSERT_TRUE(f.Form.UserType("AnarchyGameSpeedBox", "Very Slow"));
  EXPECT_EQ(f.Form.AnarchyGameSpeedBox.Selected, -1);
  EXPECT_EQ(f.Form.AnarchyGameSpeedBox.Text, "Very Slow");
  // w = 8 still from "Standart"; s = 2: (3 + 40) x 2 / 100 = 0, raised to 1.
  EXPECT_EQ(f.Form.AnarchyLengthL.Text, "= 1 turns");
  f.Form.UserType("AnarchyGameSpeedBox", "Quick");  // typing an item chooses it
  EXPECT_EQ(f.Form.AnarchyGameSpeedBox.Selected, 3);
  EXPECT_EQ(f.Form.AnarchyLengthL.Text, "= 14 turns");  // 43 x 67 / 100 = 28, x 50 / 100
}

TEST(Anarchy, BadInputsAreReportedAndKeepTheResult) {
  fixture::FormFixture f;
  f.Form.UserEdit("NewCivicsE", "2");
  f.Form.UserEdit("AnarchyCitiesE", "50");
  ASSERT_EQ(f.Form.AnarchyLengthL.Text, "= 3 turns");
  f.Form.AnarchyCitiesE.Text = "x";
  f.Form.UserEdit("NewCivicsE", "two");
  EXPECT_EQ(f.Host.Errors, (std::vector<std::string>{"'two' is not a valid integer value"}));
  EXPECT_EQ(f.Form.AnarchyLengthL.Text, "= 3 turns");
}

}  // namespace
}  // namespace varnak
